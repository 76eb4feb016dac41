#include "TComPort.h"

void ApplyRadioLineSettings(TComPort& port, const std::string& portName, int baud) {
    port.SetPort(portName);
    port.SetBaudRate(baud);
    port.SetParityNone();
    port.SetDataBits(8);
    port.SetStopBits(2);
}
