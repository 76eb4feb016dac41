#include <gtest/gtest.h>

#include "core/NumberText.h"
#include "core/ToneCodec.h"

TEST(ToneCodec, EncodesAndDecodesBothKinds) {
    struct Case {
        const char* text;
        std::uint8_t lo, hi;
    } cases[] = {{"67.0", 0x70, 0x06}, {"254.1", 0x41, 0x25}, {"100.0", 0x00, 0x10}, {"88.5", 0x85, 0x08},
                 {"D023N", 0x23, 0x80}, {"D754I", 0x54, 0xC7}, {"D411N", 0x11, 0x84}};
    for (const auto& c : cases) {
        const ToneBytes t = EncodeTone(c.text);
        EXPECT_EQ(t.lo, c.lo) << c.text;
        EXPECT_EQ(t.hi, c.hi) << c.text;
        EXPECT_EQ(DecodeTone(c.lo, c.hi), c.text);
    }
    const ToneBytes none = EncodeTone("");
    EXPECT_EQ(none.lo, 0xFF);
    EXPECT_EQ(none.hi, 0xFF);
    for (int lo : {0x00, 0x23, 0xFF}) EXPECT_EQ(DecodeTone(lo, 0xFF), "");
}

TEST(ToneCodec, EveryListedToneRoundTrips) {
    for (int i = 1; i < ToneListSize; ++i) {
        const std::string tone = ToneListItem(i);
        const ToneBytes t = EncodeTone(tone);
        EXPECT_EQ(DecodeTone(t.lo, t.hi), tone);
    }
    EXPECT_EQ(ToneListItem(0), "");
    EXPECT_EQ(ToneListItem(1), "67.0");
    EXPECT_EQ(ToneListItem(50), "254.1");
    EXPECT_EQ(ToneListItem(51), "D023N");
    EXPECT_EQ(ToneListItem(156), "D754N");
    EXPECT_EQ(ToneListItem(157), "D023I");
    EXPECT_EQ(ToneListItem(262), "D754I");
}

TEST(ToneCodec, BadTextsAndBytesRaise) {
    EXPECT_THROW(EncodeTone("None"), ConversionError);
    EXPECT_THROW(EncodeTone("D"), ConversionError);
    EXPECT_THROW(DecodeTone(0x7A, 0x06), ConversionError);  // not packed decimal
}

TEST(ToneCodec, NormalizesUserInput) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"d23", "D230N"}, {"D08", "D070N"}, {"D0239", "D023N"}, {"12", "30.0"},   {"300", "290.0"},
                 {"X", "67.0"},    {"", ""},         {"88.5", "88.5"},   {"88.54", "88.5"}, {"1x", "67.0"},
                 {"d754i", "D754I"}, {"D", "D000N"}, {"Dabc", "D777N"}};
    for (const auto& c : cases) EXPECT_EQ(NormalizeTone(c.in), c.out) << c.in;
}
