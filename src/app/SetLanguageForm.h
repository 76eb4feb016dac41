#pragma once
// The language dialog: up to three languages offered as radio buttons, named
// in the current language's words.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

class TfSetLanguage : public QDialog {
    Q_OBJECT

public:
    explicit TfSetLanguage(QWidget* parent = nullptr);
    bool Changed() const { return changed_; }
    QRadioButton* Choice(int i) const { return choices_[i]; }  // cxLang0 .. cxLang2
    QPushButton* OkButton() const { return btnOk; }
    QPushButton* CancelButton() const { return btnCancel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

    QComboBox* cxLang = nullptr;
    QListWidget* cxName = nullptr;
    QGroupBox* cxSels = nullptr;
    QRadioButton* choices_[3] = {};
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    std::vector<std::string> fileNames_;
    bool changed_ = false;
};
