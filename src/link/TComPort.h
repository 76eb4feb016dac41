#pragma once
// Our serial port: the few operations the transfers need, whatever carries them.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TComPort {
public:
    virtual ~TComPort() = default;

    // "COMn" (mapped to a device, see PortNames.h) or a device path.
    virtual void SetPort(const std::string& portName) = 0;
    virtual void SetBaudRate(int baud) = 0;
    virtual void SetParityNone() = 0;
    virtual void SetDataBits(int bits) = 0;
    virtual void SetStopBits(int bits) = 0;
    virtual bool Open() = 0;  // DTR and RTS asserted where the device allows
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual void Flush() = 0;  // drops what is waiting in both directions
    virtual bool Send(const std::vector<std::uint8_t>& bytes) = 0;
    virtual std::size_t BytesToWrite() const = 0;
    virtual std::vector<std::uint8_t> ReadAvailable() = 0;
    virtual std::string ErrorText() const = 0;

    // Received bytes wait to be read; a line error (device gone, read failure)
    // comes once, after the port has been closed.
    std::function<void(std::size_t available)> OnDataAvailable;
    std::function<void()> OnLineError;
};

// The line parameters of every exchange with the radio: 8 data bits, no
// parity, 2 stop bits, no flow control.
void ApplyRadioLineSettings(TComPort& port, const std::string& portName, int baud);
