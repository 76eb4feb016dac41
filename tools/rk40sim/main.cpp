// rk40sim: a simulated RK-40 on a pseudo-terminal (or a given serial device).
// Point the program's port at the printed path (section [Ports] of
// SysInfo.Ini, e.g. COM1=/dev/pts/5) and read or write as with a radio.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "RadioSimulator.h"

namespace {

volatile sig_atomic_t stop = 0;

void Usage() {
    std::fprintf(stderr,
                 "usage: rk40sim [options]\n"
                 "  --device PATH         use this serial device instead of a new pseudo-terminal\n"
                 "  --memory FILE         configuration memory (4752 bytes), kept across runs\n"
                 "  --calibration FILE    calibration table (1040 bytes), kept across runs\n"
                 "  --model CODE          model code in the identification (default RK40)\n"
                 "  --band BYTE           band byte in the identification (default 0x05)\n"
                 "  --baud N              line speed for --line-time (default 4800)\n"
                 "  --line-time           answer no sooner than the bytes could travel\n"
                 "  --log                 print every frame on stderr\n"
                 "  --no-handshake        never answer the handshake\n"
                 "  --slow MS             delay every reply\n"
                 "  --silent-at-block N   no reply at block N\n"
                 "  --wrong-ack-at-block N  a wrong acknowledgement at block N\n"
                 "  --garbage-at-block N  a stray byte before the reply at block N\n"
                 "  --hang-up-at-block N  close the line at block N\n");
}

bool ParseArgs(int argc, char** argv, SimulatorOptions& o, std::string& device) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::invalid_argument(a + " needs a value");
            return argv[++i];
        };
        if (a == "--device") device = value();
        else if (a == "--memory") o.memoryFile = value();
        else if (a == "--calibration") o.calibrationFile = value();
        else if (a == "--model") {
            o.modelCode = value();
            o.modelCode.resize(4, ' ');
        } else if (a == "--band") o.bandByte = static_cast<std::uint8_t>(std::stoi(value(), nullptr, 0));
        else if (a == "--baud") o.baud = std::stoi(value());
        else if (a == "--line-time") o.lineTime = true;
        else if (a == "--log") o.log = true;
        else if (a == "--no-handshake") o.noHandshake = true;
        else if (a == "--slow") o.slowMs = std::stoi(value());
        else if (a == "--silent-at-block") o.silentAtBlock = std::stoi(value());
        else if (a == "--wrong-ack-at-block") o.wrongAckAtBlock = std::stoi(value());
        else if (a == "--garbage-at-block") o.garbageAtBlock = std::stoi(value());
        else if (a == "--hang-up-at-block") o.hangUpAtBlock = std::stoi(value());
        else if (a == "--help" || a == "-h") return false;
        else throw std::invalid_argument("unknown option " + a);
    }
    return true;
}

void MakeRaw(int fd, int baud) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return;
    cfmakeraw(&tio);
    tio.c_cflag |= CSTOPB | CLOCAL | CREAD;
    const speed_t speed = baud == 9600 ? B9600 : baud == 2400 ? B2400 : B4800;
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    tcsetattr(fd, TCSANOW, &tio);
}

}  // namespace

int main(int argc, char** argv) {
    SimulatorOptions options;
    std::string device;
    try {
        if (!ParseArgs(argc, argv, options, device)) {
            Usage();
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rk40sim: %s\n", e.what());
        Usage();
        return 2;
    }
    signal(SIGINT, [](int) { stop = 1; });
    signal(SIGTERM, [](int) { stop = 1; });
    signal(SIGPIPE, SIG_IGN);

    int fd = -1, keepSlave = -1;
    if (device.empty()) {
        fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
            std::perror("rk40sim: pseudo-terminal");
            return 1;
        }
        device = ptsname(fd);
        // Holding the other end open keeps the line up between the program's sessions.
        keepSlave = open(device.c_str(), O_RDWR | O_NOCTTY);
        MakeRaw(keepSlave, options.baud);
    } else {
        fd = open(device.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0) {
            std::fprintf(stderr, "rk40sim: cannot open %s: %s\n", device.c_str(), std::strerror(errno));
            return 1;
        }
        MakeRaw(fd, options.baud);
    }
    std::printf("Simulated radio on %s\n", device.c_str());
    std::fflush(stdout);

    RadioSimulator radio(options);
    // 1 start bit, 8 data bits, 2 stop bits per byte.
    const double byteMs = 11000.0 / options.baud;
    while (!stop) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        std::uint8_t buf[512];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const std::vector<std::uint8_t> reply = radio.Receive(buf, static_cast<std::size_t>(n));
        if (radio.HangUpRequested()) {
            std::fprintf(stderr, "rk40sim: hanging up\n");
            break;
        }
        if (reply.empty()) continue;
        int delayMs = options.slowMs;
        if (options.lineTime) delayMs += static_cast<int>(radio.LastExchangeBytes() * byteMs + 0.5);
        if (delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (write(fd, reply.data(), reply.size()) < 0) break;
    }
    if (keepSlave >= 0) close(keepSlave);
    close(fd);
    return 0;
}
