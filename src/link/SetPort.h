#pragma once
// The communication port dialog: COM1 to COM20 as radio buttons, enabled for
// the ports present now.

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TfSetPort : public QDialog {
    Q_OBJECT

public:
    explicit TfSetPort(QWidget* parent = nullptr);
    QRadioButton* PortButton(int n) const { return buttons_[n - 1]; }  // cxPort1 .. cxPort20
    QPushButton* OkButton() const { return btnOk; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOKClick();

    QGroupBox* cxPort = nullptr;
    std::array<QRadioButton*, 20> buttons_{};
    QLabel* lbName = nullptr;
    QComboBox* cxCom = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    bool shown_ = false;
};
