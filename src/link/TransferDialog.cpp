#include "TransferDialog.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "ui/ApplyLanguage.h"
#include "ui/MsgBox.h"

TransferDialog::TransferDialog(const char* name, const char* caption, int progressMax,
                               std::unique_ptr<TransferSession> session, QWidget* parent)
    : QDialog(parent), session_(std::move(session)) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);
    pBar = new QProgressBar(this);
    pBar->setObjectName("pBar");
    pBar->setFixedWidth(325);
    pBar->setRange(0, progressMax);
    pBar->setValue(0);
    column->addWidget(pBar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    RunnerHooks hooks;
    hooks.message = [](LinkMessage m) { ShowMsgBox(Lang().Confirmation, MessageText(m), MsgInfo); };
    hooks.question = [](LinkMessage m) { return ShowMsgBox(Lang().Confirmation, MessageText(m), MsgYesNo) == MsgYes; };
    hooks.progress = [this](int value) { pBar->setValue(std::min(value, pBar->maximum())); };
    hooks.enableOk = [this](bool on) { btnOk->setEnabled(on); };
    hooks.close = [this] { accept(); };
    runner_ = std::make_unique<SessionRunner>(*session_, myPort, std::move(hooks));

    connect(btnOk, &QPushButton::clicked, this, &TransferDialog::btnOkClick);
    // Cancel is safe at any moment: the port closes, nothing more is sent.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TransferDialog::~TransferDialog() {
    runner_.reset();
    myPort.Close();
}

void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    ApplyLanguage(this, false);
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
    OpenPort();
}

void TransferDialog::PortOpened(bool ok) {
    if (ok) return;
    LinkActions actions = session_->OnPortError();
    LinkAction close{LinkAction::StartTimer};
    close.timer = LinkTimer::Close;
    close.ms = TransferSession::CloseDelayMs;
    actions.push_back(close);
    runner_->Execute(std::move(actions));
}

void TransferDialog::btnOkClick() { runner_->Execute(session_->Start()); }

void TransferDialog::done(int result) {
    myPort.Close();
    QDialog::done(result);
}
