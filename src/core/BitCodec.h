#pragma once
// Bits, bit fields, settings bytes and the three "clear bit means yes" bitmaps.

#include <cstddef>
#include <cstdint>

bool GetBit(std::uint8_t byte, int n);
void SetBit(std::uint8_t& byte, int n, bool on);
std::uint8_t GetField(std::uint8_t byte, std::uint8_t mask, std::uint8_t max, std::uint8_t def);
void SetField(std::uint8_t& byte, std::uint8_t mask, std::uint8_t value);
std::uint8_t ClampOrDefault(std::uint8_t value, std::uint8_t min, std::uint8_t max, std::uint8_t def);

// Settings byte `index` lies at image offset Layout::Settings + index.
std::uint8_t GetSetting(int index, std::uint8_t mask);
void SetSetting(int index, std::uint8_t mask, std::uint8_t value);
void CheckSetting(int index, std::uint8_t mask, std::uint8_t min, std::uint8_t max, std::uint8_t def);

// base: Layout::PresentBitmap, ScanBitmap or FmPresentBitmap; n counts from 1.
bool IsFlagClear(int base, int n);
void SetFlagBit(int base, int n, bool yes);

std::size_t ChannelByteOffset(int index, int k);
std::uint8_t& ChannelByte(int index, int k);

// Little-endian numbers in the image
std::uint16_t ReadImageU16(std::size_t offset);
void WriteImageU16(std::size_t offset, std::uint16_t value);
std::uint32_t ReadImageU32(std::size_t offset);
void WriteImageU32(std::size_t offset, std::uint32_t value);
