#pragma once
// Serial ports by the names users know from the radio world: "COM1", "COM2", …
// On Linux a "COMn" name maps to a device: an entry of section "Ports" of
// SysInfo.Ini (COM3=/dev/ttyUSB0) wins; otherwise COM1-COM10 are
// /dev/ttyUSB0-9, COM11-COM20 /dev/ttyACM0-9 and COM21 and up /dev/ttyS0 and up,
// so a single USB programming cable is found at the default "COM1".

#include <string>
#include <vector>

constexpr const char* PortsSection = "Ports";

// The number after "COM" (at most three digits), or -1 when the name has none.
int PortNumber(const std::string& portName);
// The device path of a port name; a name that already is a path is kept.
std::string PortDevicePath(const std::string& portName);
// Appends "COMn" for every port that exists and can be opened exclusively now,
// in ascending order. A null list is ignored.
void ListSerialPorts(std::vector<std::string>* list);
