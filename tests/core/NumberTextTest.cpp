#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "core/FrequencyCodec.h"
#include "core/NumberText.h"
#include "core/ToneCodec.h"

TEST(NumberText, ParsesPlainDecimalTexts) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"145.025", 145.025}, {" 12 ", 12}, {"-3.5", -3.5}, {"+7", 7}, {".5", 0.5}, {"5.", 5}, {"1e2", 100}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseFloat(c.text), c.value) << c.text;
}

TEST(NumberText, RejectsWhatIsNotANumberWithTheTextInTheMessage) {
    for (const char* bad : {"", "12a", "1,5", "abc", ".", "inf", "nan", "1e", "--1", "0x10"}) {
        try {
            ParseFloat(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid number");
        }
    }
    EXPECT_THROW(ParseInt("12a"), ConversionError);
    EXPECT_THROW(ParseInt(""), ConversionError);
    EXPECT_THROW(ParseInt("99999999999999999999"), ConversionError);
}

TEST(NumberText, ParsesWholeNumbersDecimalAndHex) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("$1F"), 31);
    EXPECT_EQ(ParseInt("0x10"), 16);
    // Only the low 32 bits are kept, as a 32-bit field would.
    EXPECT_EQ(ParseInt("4294967297"), 1);
}

TEST(NumberText, FormatsWithFixedDecimalsAndPadding) {
    EXPECT_EQ(FormatFixed(145.025, 5), "145.02500");
    EXPECT_EQ(FormatFixed(67, 1), "67.0");
    EXPECT_EQ(FormatFixed(-0.000001, 5), "0.00000");
    EXPECT_EQ(FormatPadded(5, 2), "05");
    EXPECT_EQ(FormatPadded(670, 4), "0670");
    EXPECT_EQ(FormatPadded(12345, 2), "12345");
}

// The process locale must not leak into number texts: a user with a German
// desktop sees and types "145.02500", never "145,02500".
TEST(NumberText, IgnoresACommaDecimalLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing; the test set-up generates it";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5") << "the locale is not active, so this test proves nothing";

    EXPECT_EQ(FormatFrequency(145.025), "145.02500");
    EXPECT_DOUBLE_EQ(ParseFrequency("145.025"), 145.025);
    EXPECT_THROW(ParseFloat("145,025"), ConversionError);
    EXPECT_EQ(NormalizeTone("88.5"), "88.5");
    const ToneBytes t = EncodeTone("88.5");
    EXPECT_EQ(t.lo, 0x85);
    EXPECT_EQ(t.hi, 0x08);

    std::setlocale(LC_ALL, saved.c_str());
}
