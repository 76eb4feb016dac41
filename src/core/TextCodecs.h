#pragma once
// Small character and text codecs: DTMF digits, channel-name and serial-number
// characters, hexadecimal texts and the write time stamp.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

std::uint8_t DtmfCode(char c);
char DtmfChar(std::uint8_t code);
constexpr std::uint8_t DtmfFiller = 15;  // "*": fills empty digit positions

// Channel-name characters: code = character - 32 for blank to "z"; every other
// character is stored as 32 and reads back as "@".
std::uint8_t NameCode(char32_t c);
std::string NameChar(std::uint8_t code);  // UTF-8; codes 123..255 (erased) read as a blank
char SerialChar(std::uint8_t byte);

std::string FlagText(std::uint8_t a, std::uint8_t b);
std::int64_t HexTextValue(std::string_view text);
std::uint8_t HexByte(std::string_view twoHexChars);
std::string BytesToText(const std::uint8_t* bytes, int n);
void FillFF(std::uint8_t* buffer, int n);  // bytes 0..n, that is n + 1 bytes

// 7 bytes: year (u16 little-endian), month, day, hour, minute, second
void StoreWriteTime(std::uint8_t* bytes, std::string_view text);  // "yyyy-MM-dd HH:mm:ss"
std::string FormatWriteTime(const std::uint8_t* bytes);
std::string NowText();  // the local time as "yyyy-MM-dd HH:mm:ss"

// UTF-8 texts split into code points; a malformed byte counts as one U+FFFD.
std::vector<char32_t> Utf8CodePoints(std::string_view text);
std::string Utf8Encode(char32_t cp);
