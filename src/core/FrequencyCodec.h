#pragma once
// Channel frequencies: 10 Hz counts in the image, MHz texts with five decimals
// on screen, aligned to the radio's 500 Hz, 1.25 kHz or 2.5 kHz grids.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Grid modes of SnapFrequency
enum GridMode : int {
    Grid500Hz = 0,
    Grid1250Hz = 1,
    GridAuto = 2,       // resolved to 0 or 1
    GridFromStep = 3,   // the frequency-step setting decides
    Grid2500Hz = 4,
    GridAutoKeep = 5,   // as GridAuto, but the mode stays 5
};

std::uint32_t PackU32(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
double FrequencyFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
std::array<std::uint8_t, 4> PutU32(std::uint32_t value);

// which: 0 receive (bytes 0-3), 1 transmit (bytes 4-7), 2 offset (bytes 4-6)
double ReadChannelFrequency(int index, int which);
void WriteChannelFrequency(int index, const std::array<std::uint8_t, 4>& bytes, int which);

// -1.0 for an empty text (no frequency); a trailing "MHz" part is ignored
double ParseFrequency(std::string_view text);
std::string FormatFrequency(double mhz);  // "0.00000"

// Returns the aligned count of 10 Hz units; updates mhz and mode in place.
std::int64_t SnapFrequency(double& mhz, int& mode);
int StepGridMode();
int GridClass(double mhz);

// True when the frequency lies in no enabled band; mhz is then replaced by the
// lower edge of the first enabled band.
bool CheckBandFrequency(const std::string& text, double& mhz);
double NearestBandEdge(bool upper, double mhz);
