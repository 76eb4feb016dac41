#include "RadioSimulator.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;

std::vector<std::uint8_t> Load(const std::string& path, std::size_t size, std::vector<std::uint8_t> fallback) {
    if (path.empty()) return fallback;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in), {}};
    if (data.size() < size) return fallback;
    data.resize(size);
    return data;
}

}  // namespace

RadioSimulator::RadioSimulator(SimulatorOptions options) : options_(std::move(options)) {
    // An erased radio that knows its own model.
    std::vector<std::uint8_t> blank(MemorySize, 0xFF);
    blank[4600] = 'P';
    for (int i = 0; i < 4; ++i) blank[4601 + i] = static_cast<std::uint8_t>(options_.modelCode[i]);
    blank[4606] = options_.bandByte;
    blank[4607] = 0;
    memory = Load(options_.memoryFile, MemorySize, blank);
    std::vector<std::uint8_t> table(CalibrationSize, 0);
    for (int row = 0; row < 65; ++row) {
        table[row * 16 + 10] = static_cast<std::uint8_t>(60 + row);
        table[row * 16 + 12] = static_cast<std::uint8_t>(160 + row);
    }
    calibration = Load(options_.calibrationFile, CalibrationSize, table);
}

std::size_t RadioSimulator::FrameLength(std::uint8_t first) const {
    switch (first) {
        case 'P': return 8;
        case 0x02: case Ack: case 'E': return 1;
        case 'R': case 'S': return 4;
        case 'X': return 5;
        case 'W': return 20;
        default: return 0;
    }
}

std::vector<std::uint8_t> RadioSimulator::Receive(const std::uint8_t* data, std::size_t n) {
    pending_.insert(pending_.end(), data, data + n);
    std::vector<std::uint8_t> replies;
    while (!pending_.empty()) {
        const std::size_t length = FrameLength(pending_[0]);
        if (length == 0) {
            Log("??", {pending_[0]});
            pending_.erase(pending_.begin());
            continue;
        }
        if (pending_.size() < length) break;
        const std::vector<std::uint8_t> frame(pending_.begin(), pending_.begin() + length);
        pending_.erase(pending_.begin(), pending_.begin() + length);
        Log("<-", frame);
        const std::vector<std::uint8_t> reply = Handle(frame);
        lastExchange_ = frame.size() + reply.size();
        if (hangUp_) return {};
        Log("->", reply);
        replies.insert(replies.end(), reply.begin(), reply.end());
    }
    return replies;
}

std::vector<std::uint8_t> RadioSimulator::Handle(const std::vector<std::uint8_t>& frame) {
    const int address = frame.size() >= 3 ? (frame[1] << 8) | frame[2] : 0;
    switch (frame[0]) {
        case 'P':
            if (options_.noHandshake || std::memcmp(frame.data(), "PROGRAM", 7) != 0) return {};
            block_ = -1;
            return {Ack};
        case 0x02: {
            std::vector<std::uint8_t> id = {'P'};
            id.insert(id.end(), options_.modelCode.begin(), options_.modelCode.begin() + 4);
            id.insert(id.end(), {0xFF, options_.bandByte, 0x00});
            return id;
        }
        case Ack:
            if (Fault(options_.silentAtBlock)) return {};
            if (Fault(options_.wrongAckAtBlock)) return {Nak};
            if (Fault(options_.garbageAtBlock)) return {0xAA, Ack};
            return {Ack};
        case 'E':
            return {};
        case 'R': {
            block_ = address / 16;
            if (Fault(options_.hangUpAtBlock)) {
                hangUp_ = true;
                return {};
            }
            if (Fault(options_.silentAtBlock) || address + 16 > static_cast<int>(MemorySize)) return {};
            std::vector<std::uint8_t> reply = {'W', frame[1], frame[2], 0x10};
            reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + 16);
            return reply;
        }
        case 'W': {
            block_ = address / 16;
            if (Fault(options_.hangUpAtBlock)) {
                hangUp_ = true;
                return {};
            }
            if (Fault(options_.silentAtBlock)) return {};
            if (address + 16 <= static_cast<int>(MemorySize)) {
                std::copy(frame.begin() + 4, frame.end(), memory.begin() + address);
                Save(options_.memoryFile, memory);
            }
            if (Fault(options_.wrongAckAtBlock)) return {Nak};
            if (Fault(options_.garbageAtBlock)) return {0xAA, Ack};
            return {Ack};
        }
        case 'S': {
            if (address + 16 > static_cast<int>(CalibrationSize)) return {};
            std::vector<std::uint8_t> reply = {'X', frame[1], frame[2], 0x10};
            reply.insert(reply.end(), calibration.begin() + address, calibration.begin() + address + 16);
            return reply;
        }
        case 'X':
            if (address < static_cast<int>(CalibrationSize)) {
                calibration[address] = frame[4];
                Save(options_.calibrationFile, calibration);
            }
            return {Ack};
        default: return {};
    }
}

void RadioSimulator::Log(const char* direction, const std::vector<std::uint8_t>& bytes) const {
    if (!options_.log || bytes.empty()) return;
    std::fprintf(stderr, "%s", direction);
    for (std::uint8_t b : bytes) std::fprintf(stderr, " %02X", b);
    std::fprintf(stderr, "\n");
}

void RadioSimulator::Save(const std::string& path, const std::vector<std::uint8_t>& data) const {
    if (path.empty()) return;
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    }
    std::rename(temp.c_str(), path.c_str());
}
