#pragma once
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

// A pseudo-terminal pair: the test holds the master, the program under test
// opens the slave path as its serial port.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) path_ = ::ptsname(master_);
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& Path() const { return path_; }
    int Master() const { return master_; }

private:
    int master_ = -1;
    std::string path_;
};
