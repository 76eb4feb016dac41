#include "BitCodec.h"

#include <bit>

#include "Globals.h"

namespace {
int MaskShift(std::uint8_t mask) { return mask == 0 ? 0 : std::countr_zero(mask); }
}  // namespace

bool GetBit(std::uint8_t byte, int n) { return n >= 0 && n <= 7 && ((byte >> n) & 1) != 0; }

void SetBit(std::uint8_t& byte, int n, bool on) {
    if (n < 0 || n > 7) return;
    if (on)
        byte = static_cast<std::uint8_t>(byte | (1u << n));
    else
        byte = static_cast<std::uint8_t>(byte & ~(1u << n));
}

std::uint8_t GetField(std::uint8_t byte, std::uint8_t mask, std::uint8_t max, std::uint8_t def) {
    const std::uint8_t value = static_cast<std::uint8_t>((byte & mask) >> MaskShift(mask));
    return value > max ? def : value;
}

void SetField(std::uint8_t& byte, std::uint8_t mask, std::uint8_t value) {
    byte = static_cast<std::uint8_t>((byte & ~mask) | (value << MaskShift(mask)));
}

std::uint8_t ClampOrDefault(std::uint8_t value, std::uint8_t min, std::uint8_t max, std::uint8_t def) {
    return (value >= min && value <= max) ? value : def;
}

std::uint8_t GetSetting(int index, std::uint8_t mask) {
    return GetField(All().Image[Layout::Settings + index], mask, 0xFF, 0);
}

void SetSetting(int index, std::uint8_t mask, std::uint8_t value) {
    SetField(All().Image[Layout::Settings + index], mask, value);
}

void CheckSetting(int index, std::uint8_t mask, std::uint8_t min, std::uint8_t max, std::uint8_t def) {
    SetSetting(index, mask, ClampOrDefault(GetSetting(index, mask), min, max, def));
}

namespace {
std::uint8_t& BitmapByte(int base, int n) {
    return All().Image[Layout::BitmapOrigin + base + (n - 1) / 8];
}
}  // namespace

bool IsFlagClear(int base, int n) { return !GetBit(BitmapByte(base, n), (n - 1) % 8); }

void SetFlagBit(int base, int n, bool yes) { SetBit(BitmapByte(base, n), (n - 1) % 8, !yes); }

std::size_t ChannelByteOffset(int index, int k) { return Layout::ChannelOffset(index) + k; }

std::uint8_t& ChannelByte(int index, int k) { return All().Image[ChannelByteOffset(index, k)]; }

std::uint16_t ReadImageU16(std::size_t offset) {
    const auto& im = All().Image;
    return static_cast<std::uint16_t>(im[offset] | (im[offset + 1] << 8));
}

void WriteImageU16(std::size_t offset, std::uint16_t value) {
    auto& im = All().Image;
    im[offset] = static_cast<std::uint8_t>(value & 0xFF);
    im[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint32_t ReadImageU32(std::size_t offset) {
    const auto& im = All().Image;
    return static_cast<std::uint32_t>(im[offset]) | (static_cast<std::uint32_t>(im[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(im[offset + 2]) << 16) | (static_cast<std::uint32_t>(im[offset + 3]) << 24);
}

void WriteImageU32(std::size_t offset, std::uint32_t value) {
    auto& im = All().Image;
    for (int i = 0; i < 4; ++i) im[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
