#pragma once
#include <QObject>
#include <QSerialPort>

#include "TComPort.h"

class QtComPort : public QObject, public TComPort {
    Q_OBJECT

public:
    explicit QtComPort(QObject* parent = nullptr);
    ~QtComPort() override;

    void SetPort(const std::string& portName) override;
    void SetBaudRate(int baud) override;
    void SetParityNone() override;
    void SetDataBits(int bits) override;
    void SetStopBits(int bits) override;
    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    void Flush() override;
    bool Send(const std::vector<std::uint8_t>& bytes) override;
    std::size_t BytesToWrite() const override;
    std::vector<std::uint8_t> ReadAvailable() override;
    std::string ErrorText() const override;

private:
    void ErrorOccurred(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::string error_;
};
