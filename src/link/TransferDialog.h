#pragma once
// The read and write dialogs: a progress bar, OK and Cancel, a port opened
// when the dialog is shown, and a session run by a SessionRunner.

#include <QDialog>
#include <memory>

#include "QtComPort.h"
#include "SessionRunner.h"
#include "TransferSession.h"

class QProgressBar;
class QPushButton;

class TransferDialog : public QDialog {
    Q_OBJECT

public:
    QProgressBar* ProgressBar() const { return pBar; }
    QPushButton* OkButton() const { return btnOk; }
    QPushButton* CancelButton() const { return btnCancel; }
    const TransferSession& Session() const { return *session_; }

protected:
    TransferDialog(const char* name, const char* caption, int progressMax, std::unique_ptr<TransferSession> session,
                   QWidget* parent);
    ~TransferDialog() override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    // Opens the port as this transfer does, then reports through PortOpened.
    virtual void OpenPort() = 0;
    void PortOpened(bool ok);  // a failure shows PortError once and closes the dialog

    QtComPort myPort;
    std::unique_ptr<TransferSession> session_;

private:
    void btnOkClick();

    QProgressBar* pBar = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    std::unique_ptr<SessionRunner> runner_;
    bool shown_ = false;
};
