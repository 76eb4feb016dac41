#include "FrequencyCodec.h"

#include <cmath>

#include "BitCodec.h"
#include "Globals.h"
#include "NumberText.h"

namespace {
constexpr double UnitsPerMHz = 100000.0;
constexpr double NoFrequency = -1.0;
}  // namespace

std::uint32_t PackU32(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return static_cast<std::uint32_t>(b0) + 256u * b1 + 65536u * b2 + 16777216u * (b3 & 0x7Fu);
}

double FrequencyFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return PackU32(b0, b1, b2, b3) / UnitsPerMHz;
}

std::array<std::uint8_t, 4> PutU32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

double ReadChannelFrequency(int index, int which) {
    auto b = [index](int k) { return ChannelByte(index, k); };
    switch (which) {
        case 0: return FrequencyFromBytes(b(0), b(1), b(2), b(3));
        case 1: return FrequencyFromBytes(b(4), b(5), b(6), b(7));
        case 2: return FrequencyFromBytes(b(4), b(5), b(6), 0);
        default: return 0;
    }
}

void WriteChannelFrequency(int index, const std::array<std::uint8_t, 4>& bytes, int which) {
    const int first = which == 0 ? 0 : 4;
    const int count = which == 2 ? 3 : 4;  // byte 7 of a frequency-mode record holds other fields
    if (which < 0 || which > 2) return;
    for (int i = 0; i < count; ++i) ChannelByte(index, first + i) = bytes[i];
}

double ParseFrequency(std::string_view text) {
    const auto unit = text.find("MHz");
    if (unit != std::string_view::npos) text = text.substr(0, unit);
    if (text.empty()) return NoFrequency;
    return ParseFloat(text);
}

std::string FormatFrequency(double mhz) { return FormatFixed(mhz, 5); }

namespace {

std::int64_t Align(std::int64_t c, std::int64_t g, double& mhz) {
    const std::int64_t r = c % g;
    const std::int64_t result = (2 * r >= g) ? c - r + g : c - r;
    mhz = result / UnitsPerMHz;
    return result;
}

}  // namespace

std::int64_t SnapFrequency(double& mhz, int& mode) {
    const std::int64_t c = std::llround(mhz * UnitsPerMHz);  // halves away from zero
    switch (mode) {
        case Grid500Hz: return Align(c, 50, mhz);
        case Grid1250Hz: return Align(c, 125, mhz);
        case GridAuto: {
            const std::int64_t r125 = c % 125, r50 = c % 50;
            if (r125 == 0) { mode = Grid1250Hz; return c; }
            if (r50 == 0) { mode = Grid500Hz; return c; }
            // The raw remainders decide, not the distance to the nearest grid point.
            if (r50 < r125) { mode = Grid500Hz; return Align(c, 50, mhz); }
            mode = Grid1250Hz;
            return Align(c, 125, mhz);
        }
        case GridFromStep:
            mode = StepGridMode();
            return SnapFrequency(mhz, mode);
        case Grid2500Hz: return Align(c, 250, mhz);
        case GridAutoKeep: {
            mode = GridAuto;
            const std::int64_t result = SnapFrequency(mhz, mode);
            mode = GridAutoKeep;
            return result;
        }
        default: return 0;
    }
}

int StepGridMode() {
    const std::uint8_t step = GetSetting(9, 0x0F);
    if (step == 2) return Grid1250Hz;
    if (step >= 4) return GridAuto;
    return Grid500Hz;
}

int GridClass(double mhz) {
    const std::int64_t c = std::llround(mhz * UnitsPerMHz);
    const bool on125 = c % 125 == 0, on50 = c % 50 == 0;
    if (on125 && !on50) return Grid1250Hz;
    if (on50 && !on125) return Grid500Hz;
    return GridAuto;
}

bool CheckBandFrequency(const std::string& text, double& mhz) {
    bool outside = true;
    if (!text.empty() && !TryParseFloat(text, mhz)) {
        mhz = NoFrequency;
    } else if (mhz > 0) {
        for (const TBand& band : All().Band) {
            if (band.Lo != 0 && band.Hi != 0 && band.Lo <= mhz && mhz <= band.Hi) {
                outside = false;
                break;
            }
        }
    }
    if (outside) {
        for (const TBand& band : All().Band) {
            if (band.Lo != 0) {
                mhz = band.Lo;
                break;
            }
        }
    }
    return outside;
}

double NearestBandEdge(bool upper, double mhz) {
    double bestLoDistance = 999, bestHiDistance = 999, bestLo = 0, bestHi = 0;
    for (const TBand& band : All().Band) {
        if (band.Lo == 0 || band.Hi == 0) continue;
        if (std::fabs(band.Lo - mhz) < bestLoDistance) {
            bestLoDistance = std::fabs(band.Lo - mhz);
            bestLo = band.Lo;
        }
        if (std::fabs(band.Hi - mhz) < bestHiDistance) {
            bestHiDistance = std::fabs(band.Hi - mhz);
            bestHi = band.Hi;
        }
    }
    return upper ? bestHi : bestLo;
}
