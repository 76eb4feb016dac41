#pragma once
// Number texts are always written and read with "." as the decimal separator,
// whatever locale the process runs under: frequency texts are part of what
// the user sees and of what the codecs parse back.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised where a text or byte pattern is not the number it has to be.
// The message quotes the bad text; the command layer shows it in an error box.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& badText);
    const std::string& text() const { return badText_; }

private:
    std::string badText_;
};

// Decimal number: optional sign, digits with an optional "." part and exponent.
// Blanks around the number are allowed. Anything else raises ConversionError.
double ParseFloat(std::string_view text);
bool TryParseFloat(std::string_view text, double& value);

// Whole number: optional sign and decimal digits, or "$"/"0x" followed by hex digits.
std::int64_t ParseInt64(std::string_view text);
bool TryParseInt64(std::string_view text, std::int64_t& value);
int ParseInt(std::string_view text);  // the low 32 bits of ParseInt64

// value with exactly `decimals` digits after the point ("0.00000" for 5)
std::string FormatFixed(double value, int decimals);
// value padded with leading zeros to at least `digits` digits ("00" for 2)
std::string FormatPadded(std::int64_t value, int digits);
std::string Trim(std::string_view text);
