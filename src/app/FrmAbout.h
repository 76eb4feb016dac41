#pragma once
// The about box: the program's icon and up to nine lines of text, all from the
// current language file. A click anywhere closes it.

#include <QDialog>
#include <array>

class QLabel;

class TfFrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfFrmAbout(QWidget* parent = nullptr);
    QLabel* Line(int n) const { return lines_[n - 1]; }  // lStr1 .. lStr9

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();

    QLabel* ImApp = nullptr;
    std::array<QLabel*, 9> lines_{};
};
