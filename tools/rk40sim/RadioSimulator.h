#pragma once
// The radio's side of the programming protocol, for trying the program and for
// end-to-end tests without a radio: configuration memory, calibration table,
// and faults on request.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SimulatorOptions {
    std::string memoryFile;       // read at start, written after every block written
    std::string calibrationFile;  // likewise for the 65-row calibration table
    std::string modelCode = "RK40";
    std::uint8_t bandByte = 0x05;
    int baud = 4800;
    bool lineTime = false;        // answer no sooner than the bytes could travel at `baud`
    bool log = false;             // frames on stderr
    bool noHandshake = false;     // never answer "PROGRAM"
    int slowMs = 0;               // every reply this much later
    std::optional<int> silentAtBlock;
    std::optional<int> wrongAckAtBlock;
    std::optional<int> garbageAtBlock;  // a stray byte before the acknowledgement
    std::optional<int> hangUpAtBlock;
};

class RadioSimulator {
public:
    static constexpr std::size_t MemorySize = 4752;
    static constexpr std::size_t CalibrationSize = 65 * 16;

    explicit RadioSimulator(SimulatorOptions options);

    // Takes bytes from the line; returns the reply bytes (possibly none).
    std::vector<std::uint8_t> Receive(const std::uint8_t* data, std::size_t n);
    bool HangUpRequested() const { return hangUp_; }
    // Bytes the last complete request and its reply took on the line.
    std::size_t LastExchangeBytes() const { return lastExchange_; }

    std::vector<std::uint8_t> memory;
    std::vector<std::uint8_t> calibration;

private:
    std::vector<std::uint8_t> Handle(const std::vector<std::uint8_t>& frame);
    std::size_t FrameLength(std::uint8_t first) const;
    void Log(const char* direction, const std::vector<std::uint8_t>& bytes) const;
    void Save(const std::string& path, const std::vector<std::uint8_t>& data) const;
    bool Fault(const std::optional<int>& at) const { return at && *at == block_; }

    SimulatorOptions options_;
    std::vector<std::uint8_t> pending_;
    int block_ = -1;  // block of the last R or W frame
    bool hangUp_ = false;
    std::size_t lastExchange_ = 0;
};
