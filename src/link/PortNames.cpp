#include "PortNames.h"

#include <cctype>

#include "core/NumberText.h"
#include "files/IniFile.h"
#include "files/SettingsFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {
constexpr int HighestPort = 256;
}

int PortNumber(const std::string& portName) {
    if (portName.size() < 4) return -1;
    std::string prefix = portName.substr(0, 3);
    for (char& c : prefix) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (prefix != "COM") return -1;
    const std::string digits = portName.substr(3, 3);
    for (char c : portName.substr(3))
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    std::int64_t n = 0;
    return TryParseInt64(digits, n) ? static_cast<int>(n) : -1;
}

#ifdef _WIN32

std::string PortDevicePath(const std::string& portName) {
    const int n = PortNumber(portName);
    if (n < 0) return portName;
    return n < 10 ? "COM" + std::to_string(n) : "\\\\.\\COM" + std::to_string(n);
}

void ListSerialPorts(std::vector<std::string>* list) {
    if (!list) return;
    for (int n = 1; n <= HighestPort; ++n) {
        const std::string path = PortDevicePath("COM" + std::to_string(n));
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            list->push_back("COM" + std::to_string(n));
            CloseHandle(h);
        }
    }
}

#else

namespace {

std::string DefaultDevice(int n) {
    if (n <= 10) return "/dev/ttyUSB" + std::to_string(n - 1);
    if (n <= 20) return "/dev/ttyACM" + std::to_string(n - 11);
    return "/dev/ttyS" + std::to_string(n - 21);
}

std::string MappedDevice(const IniFile& settings, int n) {
    const std::string mapped = settings.ReadString(PortsSection, "COM" + std::to_string(n), "");
    return mapped.empty() ? DefaultDevice(n) : mapped;
}

// A serial device that exists, answers as a terminal and is not held by
// another program (exclusive mode or a lock) at this moment.
bool CanOpenExclusively(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    termios tio {};
    const bool usable = ::tcgetattr(fd, &tio) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return usable;
}

}  // namespace

std::string PortDevicePath(const std::string& portName) {
    const int n = PortNumber(portName);
    if (n < 0) return portName;
    return MappedDevice(IniFile(SettingsFilePath()), n);
}

void ListSerialPorts(std::vector<std::string>* list) {
    if (!list) return;
    const IniFile settings(SettingsFilePath());
    for (int n = 1; n <= HighestPort; ++n)
        if (CanOpenExclusively(MappedDevice(settings, n))) list->push_back("COM" + std::to_string(n));
}

#endif
