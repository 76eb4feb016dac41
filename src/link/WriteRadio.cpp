#include "WriteRadio.h"

#include <QTimer>

#include "PortNames.h"
#include "core/Globals.h"

TfWriteRadio::TfWriteRadio(QWidget* parent)
    : TransferDialog("fWriteRadio", "Write data to radio", WriteSession::Blocks - 1,
                     std::make_unique<WriteSession>(PortNumber(All().PortName)), parent) {}

// Wait 50 ms, set the line up, open; no close and no flush first.
void TfWriteRadio::OpenPort() {
    QTimer::singleShot(TransferSession::FlushPauseMs, this, [this] {
        ApplyRadioLineSettings(myPort, All().PortName, All().BaudRate);
        PortOpened(myPort.Open());
    });
}
