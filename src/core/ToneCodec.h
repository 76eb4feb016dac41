#pragma once
// CTCSS and DCS tone codes: two bytes (lo, hi) in the image, texts such as
// "88.5" and "D023N" on screen, "" for no tone.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct ToneBytes {
    std::uint8_t lo = 0xFF;
    std::uint8_t hi = 0xFF;
};

ToneBytes EncodeTone(std::string_view text);
std::string DecodeTone(std::uint8_t lo, std::uint8_t hi);
std::string NormalizeTone(std::string_view text);

// The tones the windows offer, in list order.
extern const std::array<const char*, 50> CtcssTones;
extern const std::array<const char*, 106> DcsCodes;  // three octal digits each
constexpr int ToneListSize = 1 + 50 + 2 * 106;        // "None", CTCSS, DCS normal, DCS inverted
// Item i of the tone list ("" for item 0, the no-tone entry).
std::string ToneListItem(int i);
