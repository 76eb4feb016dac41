#include "QtComPort.h"

#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

#include "PortNames.h"

QtComPort::QtComPort(QObject* parent) : QObject(parent) {
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(0);
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        if (OnDataAvailable) OnDataAvailable(static_cast<std::size_t>(port_.bytesAvailable()));
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &QtComPort::ErrorOccurred);
}

QtComPort::~QtComPort() {
    OnDataAvailable = nullptr;
    OnLineError = nullptr;
    port_.close();
}

void QtComPort::SetPort(const std::string& portName) { port_.setPortName(QString::fromStdString(PortDevicePath(portName))); }
void QtComPort::SetBaudRate(int baud) { port_.setBaudRate(baud); }
void QtComPort::SetParityNone() { port_.setParity(QSerialPort::NoParity); }
void QtComPort::SetDataBits(int bits) { port_.setDataBits(static_cast<QSerialPort::DataBits>(bits)); }
void QtComPort::SetStopBits(int bits) {
    port_.setStopBits(bits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

bool QtComPort::Open() {
    error_.clear();
    if (port_.isOpen()) return true;
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = port_.errorString().toStdString();
        port_.clearError();
        return false;
    }
    // A pseudo-terminal or a bare UART may refuse these; the radio does not need them.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return true;
}

void QtComPort::Close() {
    if (port_.isOpen()) port_.close();
}

bool QtComPort::IsOpen() const { return port_.isOpen(); }

void QtComPort::Flush() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::AllDirections);
    port_.readAll();
}

bool QtComPort::Send(const std::vector<std::uint8_t>& bytes) {
    if (!port_.isOpen()) {
        error_ = "the port is not open";
        return false;
    }
    const qint64 n = port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size())) {
        error_ = port_.errorString().toStdString();
        return false;
    }
    // Hand the bytes to the driver now rather than on the next event-loop turn.
    port_.flush();
    return true;
}

// What has not left the computer yet: Qt's own buffer and the driver's queue,
// which empties at the line speed.
std::size_t QtComPort::BytesToWrite() const {
    if (!port_.isOpen()) return 0;
    std::size_t pending = static_cast<std::size_t>(port_.bytesToWrite());
#ifdef Q_OS_UNIX
    int queued = 0;
    if (::ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &queued) == 0 && queued > 0) pending += queued;
#endif
    return pending;
}

std::vector<std::uint8_t> QtComPort::ReadAvailable() {
    const QByteArray data = port_.readAll();
    return {data.begin(), data.end()};
}

std::string QtComPort::ErrorText() const { return error_; }

void QtComPort::ErrorOccurred(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ReadError:
        case QSerialPort::ResourceError:
        case QSerialPort::WriteError:
            break;
        default:
            return;  // NoError and refused control-line requests are not line errors
    }
    // The device is gone or broken: close once instead of reporting forever.
    if (!port_.isOpen()) return;
    error_ = port_.errorString().toStdString();
    port_.clearError();
    port_.close();
    // Report after the current event, so no handler runs inside the port's own call.
    QTimer::singleShot(0, this, [this] {
        if (OnLineError) OnLineError();
    });
}
