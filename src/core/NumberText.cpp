#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

ConversionError::ConversionError(const std::string& badText)
    : std::runtime_error("'" + badText + "' is not a valid number"), badText_(badText) {}

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    return std::string(text.substr(b, e - b));
}

bool TryParseFloat(std::string_view text, double& value) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    // Only plain decimal notation: from_chars would also take "inf" and "nan".
    bool digits = false;
    std::size_t j = i;
    while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) { ++j; digits = true; }
    if (j < t.size() && t[j] == '.') {
        ++j;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) { ++j; digits = true; }
    }
    if (!digits) return false;
    if (j < t.size() && (t[j] == 'e' || t[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        if (k >= t.size() || !std::isdigit(static_cast<unsigned char>(t[k]))) return false;
        while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
        j = k;
    }
    if (j != t.size()) return false;
    double v = 0;
    const char* first = t.data() + i;
    const char* last = t.data() + t.size();
    // from_chars does not take a leading "+" and wants at least one digit before "."
    std::string withZero;
    if (*first == '.') {
        withZero = "0" + std::string(first, last);
        first = withZero.data();
        last = withZero.data() + withZero.size();
    }
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    value = negative ? -v : v;
    return true;
}

double ParseFloat(std::string_view text) {
    double v = 0;
    if (!TryParseFloat(text, v)) throw ConversionError(std::string(text));
    return v;
}

bool TryParseInt64(std::string_view text, std::int64_t& value) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size() || t[i] == '+' || t[i] == '-') return false;
    std::uint64_t magnitude = 0;
    auto [ptr, ec] = std::from_chars(t.data() + i, t.data() + t.size(), magnitude, base);
    if (ec != std::errc() || ptr != t.data() + t.size()) return false;
    if (base == 10) {
        const std::uint64_t limit = negative ? std::uint64_t(INT64_MAX) + 1 : std::uint64_t(INT64_MAX);
        if (magnitude > limit) return false;
    }
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

std::int64_t ParseInt64(std::string_view text) {
    std::int64_t v = 0;
    if (!TryParseInt64(text, v)) throw ConversionError(std::string(text));
    return v;
}

int ParseInt(std::string_view text) {
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ParseInt64(text))));
}

std::string FormatFixed(double value, int decimals) {
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    std::string s(buf, ptr);
    // A tiny negative value rounds to "-0.00000"; show it as zero.
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatPadded(std::int64_t value, int digits) {
    std::string s = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
    return value < 0 ? "-" + s : s;
}
