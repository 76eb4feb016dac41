#include "FrmAbout.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "Artwork.h"
#include "core/Globals.h"
#include "ui/ApplyLanguage.h"
#include "ui/QtText.h"

namespace {
constexpr int LineLeft = 97;
constexpr int LineTops[9] = {15, 40, 66, 92, 118, 143, 169, 195, 221};
constexpr int LineHeight = 13;
constexpr int BottomMargin = 55;
constexpr int BoxWidth = 420;
}  // namespace

TfFrmAbout::TfFrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("fFrmAbout");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    ImApp = new QLabel(this);
    ImApp->setObjectName("ImApp");
    ImApp->setGeometry(12, 12, 32, 32);
    ImApp->installEventFilter(this);
    QFont font = this->font();
    font.setPixelSize(11);
    for (int i = 0; i < 9; ++i) {
        auto* label = new QLabel(QString::number(i + 1), this);
        label->setObjectName(QString("lStr%1").arg(i + 1));
        label->setFont(font);
        label->setGeometry(LineLeft, LineTops[i], BoxWidth - LineLeft - 12, LineHeight);
        label->installEventFilter(this);
        lines_[i] = label;
    }
    setFixedWidth(BoxWidth);
}

void TfFrmAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfFrmAbout::FormShow() {
    ImApp->setPixmap(ArtIcon(Art::Application).pixmap(32, 32));
    ApplyLanguage(this, true);
    setWindowTitle(Q(All().ProductName));
    int height = LineTops[4] + LineHeight + BottomMargin;
    for (int i = 5; i < 9; ++i)
        if (!lines_[i]->text().trimmed().isEmpty()) height = LineTops[i] + LineHeight + BottomMargin;
    setFixedHeight(height);
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
