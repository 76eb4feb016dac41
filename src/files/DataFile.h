#pragma once
// Data files (*.dat): a 16-byte header naming the model, then image offsets
// 16 to 4767 (blocks 1 to 297). Every file written is exactly 4768 bytes.

#include <array>
#include <cstdint>
#include <string>

namespace DataFileLayout {
constexpr std::size_t HeaderSize = 16;
constexpr std::size_t FileSize = 4768;       // header + 297 blocks
constexpr std::size_t MinimumSize = 4752;    // everything up to image 4751, the last interpreted byte
constexpr std::size_t ModelCodeAt = 1;
constexpr std::size_t VendorCodeAt = 5;
constexpr std::size_t BlanksAt = 9;
constexpr std::uint8_t Marker = 0x50;  // 'P'
}  // namespace DataFileLayout

using DataFileHeader = std::array<std::uint8_t, DataFileLayout::HeaderSize>;

void BuildHeader(DataFileHeader& header, const std::string& modelCode, const std::string& vendorCode);
std::string ParseHeader(const DataFileHeader& header);

// Writes the header and the image; clears Modified. Throws FileError and then
// leaves the previous file, and Modified, as they were.
void SaveDataFile(const std::string& path);

enum class OpenResult { Opened, ModelWrong };
// Reads a data file into the image and derives the state from it; clears
// Modified. A file whose model is not catalogued (or that is too short for a
// header) changes nothing and gives ModelWrong. A file that cannot be read or
// that ends before the image data does raises FileError and changes nothing.
OpenResult OpenDataFile(const std::string& path);
