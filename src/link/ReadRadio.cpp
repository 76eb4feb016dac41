#include "ReadRadio.h"

#include <QTimer>

#include "PortNames.h"
#include "core/Globals.h"

TfReadRadio::TfReadRadio(QWidget* parent)
    : TransferDialog("fReadRadio", "Read data From radio", ReadSession::Blocks - 1,
                     std::make_unique<ReadSession>(PortNumber(All().PortName)), parent) {}

bool TfReadRadio::Completed() const { return static_cast<const ReadSession&>(Session()).Completed(); }

// Close, wait 50 ms, set the line up, flush, open.
void TfReadRadio::OpenPort() {
    myPort.Close();
    QTimer::singleShot(TransferSession::FlushPauseMs, this, [this] {
        ApplyRadioLineSettings(myPort, All().PortName, All().BaudRate);
        const bool ok = myPort.Open();
        if (ok) myPort.Flush();
        PortOpened(ok);
    });
}
