#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

#include "QtText.h"

namespace {

MsgBoxAnswerer& Answerer() {
    static MsgBoxAnswerer answerer;
    return answerer;
}

int ShowRealBox(const ShownMessage& m) {
    QWidget* parent = QApplication::activeWindow();
    switch (m.kind) {
        case MsgInfo:
            QMessageBox::information(parent, m.title, m.text);
            return MsgOk;
        case MsgYesNo:
            return QMessageBox::question(parent, m.title, m.text, QMessageBox::Yes | QMessageBox::No) ==
                           QMessageBox::Yes
                       ? MsgYes
                       : MsgNo;
        case MsgRetryCancel: {
            QMessageBox box(QMessageBox::Question, m.title, m.text, QMessageBox::Retry | QMessageBox::Cancel, parent);
            return box.exec() == QMessageBox::Retry ? MsgRetry : MsgCancel;
        }
        case MsgError:
            QMessageBox::critical(parent, m.title, m.text);
            return MsgOk;
        default:
            return MsgOk;
    }
}

int Show(const ShownMessage& m) {
    const bool known = m.kind == MsgInfo || m.kind == MsgYesNo || m.kind == MsgRetryCancel || m.kind == MsgError;
    if (!known) return MsgOk;  // any other kind shows nothing
    return Answerer() ? Answerer()(m) : ShowRealBox(m);
}

}  // namespace

int ShowMsgBox(const std::string& title, const std::string& text, int kind) {
    return Show({Q(title), Q(text), kind});
}

void ShowErrorBox(const std::string& text) { Show({QApplication::applicationName(), Q(text), MsgError}); }

void SetMsgBoxAnswerer(MsgBoxAnswerer answerer) { Answerer() = std::move(answerer); }
