#pragma once
// The tone picker: CTCSS tones and DCS codes as tables; a double-click on a
// tone or code picks it.

#include <QDialog>
#include <QString>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

class TfToneOption : public QDialog {
    Q_OBJECT

public:
    explicit TfToneOption(QWidget* parent = nullptr);
    QString SelectedTone;  // empty until a tone is picked

    QTableWidget* Table(int kind) const;  // 0 CTCSS, 1 DCS-N, 2 DCS-I
    QRadioButton* Kind(int kind) const;
    QGroupBox* CodeGroup() const { return gbList; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void BuildGrids();
    void rCTCSSClick(int tag);
    void GridDblClick(QTableWidget* grid, int row, int column);

    QRadioButton* rCTCSS = nullptr;
    QRadioButton* rDCSN = nullptr;
    QRadioButton* rDCSI = nullptr;
    QListWidget* lbSel = nullptr;
    QListWidget* lbValue = nullptr;
    QGroupBox* gbList = nullptr;
    QTableWidget* gvCtcss = nullptr;
    QTableWidget* gvDcsN = nullptr;
    QTableWidget* gvDcsI = nullptr;
};
