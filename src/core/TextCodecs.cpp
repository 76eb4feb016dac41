#include "TextCodecs.h"

#include <ctime>

#include "NumberText.h"

std::uint8_t DtmfCode(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    switch (c) {
        case 'A': return 10;
        case 'B': return 11;
        case 'C': return 12;
        case 'D': return 13;
        case '#': return 14;
        case '*': return 15;
        default: return 0;
    }
}

char DtmfChar(std::uint8_t code) {
    static const char digits[] = "0123456789ABCD#*";
    return code <= 15 ? digits[code] : ' ';
}

std::uint8_t NameCode(char32_t c) { return (c >= 32 && c <= 122) ? static_cast<std::uint8_t>(c - 32) : 32; }

std::string NameChar(std::uint8_t code) {
    if (code > 122) return " ";
    const unsigned ch = code + 32u;
    if (ch < 0x80) return std::string(1, static_cast<char>(ch));
    // Codes 96..122 land on 128..154, which the radio's character set shares
    // with the Windows western code page; show those characters.
    static const char32_t cp1252[] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
                                      0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018,
                                      0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161};
    return Utf8Encode(cp1252[ch - 0x80]);
}

char SerialChar(std::uint8_t byte) {
    const bool alnum = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9');
    return alnum ? static_cast<char>(byte) : ' ';
}

std::string FlagText(std::uint8_t a, std::uint8_t b) { return a == b ? "1" : "0"; }

std::int64_t HexTextValue(std::string_view text) {
    const std::string t = Trim(text);
    std::int64_t v = 0;
    if (t.empty() || t[0] == '-' || t[0] == '+' || !TryParseInt64("$" + t, v)) throw ConversionError(std::string(text));
    return v;
}

std::uint8_t HexByte(std::string_view twoHexChars) {
    if (twoHexChars.size() != 2) throw ConversionError(std::string(twoHexChars));
    return static_cast<std::uint8_t>(HexTextValue(twoHexChars));
}

std::string BytesToText(const std::uint8_t* bytes, int n) {
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n < 0 ? 0 : n));
}

void FillFF(std::uint8_t* buffer, int n) {
    for (int i = 0; i <= n; ++i) buffer[i] = 0xFF;
}

void StoreWriteTime(std::uint8_t* bytes, std::string_view text) {
    auto part = [text](std::size_t pos, std::size_t len) {
        if (pos + len > text.size()) throw ConversionError(std::string(text));
        return ParseInt(text.substr(pos, len));
    };
    const int year = part(0, 4);
    bytes[0] = static_cast<std::uint8_t>(year & 0xFF);
    bytes[1] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
    bytes[2] = static_cast<std::uint8_t>(part(5, 2));
    bytes[3] = static_cast<std::uint8_t>(part(8, 2));
    bytes[4] = static_cast<std::uint8_t>(part(11, 2));
    bytes[5] = static_cast<std::uint8_t>(part(14, 2));
    bytes[6] = static_cast<std::uint8_t>(part(17, 2));
}

std::string FormatWriteTime(const std::uint8_t* bytes) {
    return std::to_string(bytes[0] + 256 * bytes[1]) + "-" + FormatPadded(bytes[2], 2) + "-" +
           FormatPadded(bytes[3], 2) + " " + FormatPadded(bytes[4], 2) + ":" + FormatPadded(bytes[5], 2) + ":" +
           FormatPadded(bytes[6], 2);
}

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

std::vector<char32_t> Utf8CodePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len > 0 && i + len <= text.size();
        for (int k = 1; ok && k < len; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c >> 6) != 2) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
        } else {
            out.push_back(cp);
            i += len;
        }
    }
    return out;
}

std::string Utf8Encode(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}
