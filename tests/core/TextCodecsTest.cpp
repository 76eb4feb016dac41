#include <gtest/gtest.h>

#include "core/NumberText.h"
#include "core/TextCodecs.h"

TEST(TextCodecs, DtmfDigits) {
    const std::string chars = "0123456789ABCD#*";
    for (std::size_t i = 0; i < chars.size(); ++i) {
        EXPECT_EQ(DtmfCode(chars[i]), i);
        EXPECT_EQ(DtmfChar(static_cast<std::uint8_t>(i)), chars[i]);
    }
    EXPECT_EQ(DtmfCode('x'), 0);
    EXPECT_EQ(DtmfCode('a'), 0);
    EXPECT_EQ(DtmfChar(16), ' ');
}

TEST(TextCodecs, NameCharacters) {
    EXPECT_EQ(NameCode(U' '), 0);
    EXPECT_EQ(NameCode(U'A'), 33);
    EXPECT_EQ(NameCode(U'z'), 90);
    EXPECT_EQ(NameCode(U'{'), 32);
    EXPECT_EQ(NameCode(U'é'), 32);
    EXPECT_EQ(NameChar(32), "@");
    EXPECT_EQ(NameChar(33), "A");
    EXPECT_EQ(NameChar(0xFF), " ");
    EXPECT_EQ(NameChar(123), " ");
    EXPECT_EQ(NameChar(96), "€");  // 128 in the western code page
}

TEST(TextCodecs, SerialAndHexHelpers) {
    EXPECT_EQ(SerialChar('A'), 'A');
    EXPECT_EQ(SerialChar('7'), '7');
    EXPECT_EQ(SerialChar('-'), ' ');
    EXPECT_EQ(SerialChar(0xFF), ' ');
    EXPECT_EQ(FlagText(3, 3), "1");
    EXPECT_EQ(FlagText(3, 4), "0");
    EXPECT_EQ(HexTextValue("1F"), 31);
    EXPECT_EQ(HexByte("C7"), 0xC7);
    EXPECT_THROW(HexByte("G1"), ConversionError);
    EXPECT_THROW(HexByte("1"), ConversionError);
    const std::uint8_t raw[] = {'R', 'K', '4', '0'};
    EXPECT_EQ(BytesToText(raw, 4), "RK40");
    std::uint8_t buf[5] = {};
    FillFF(buf, 3);
    EXPECT_EQ(buf[3], 0xFF);
    EXPECT_EQ(buf[4], 0) << "FillFF(n) fills n + 1 bytes";
}

TEST(TextCodecs, WriteTimeStamp) {
    std::uint8_t t[7] = {};
    StoreWriteTime(t, "2026-12-11 09:05:07");
    const std::uint8_t expected[7] = {0xEA, 0x07, 12, 11, 9, 5, 7};
    EXPECT_TRUE(std::equal(t, t + 7, expected));
    EXPECT_EQ(FormatWriteTime(t), "2026-12-11 09:05:07");
    const std::uint8_t erased[7] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(FormatWriteTime(erased), "65535-255-255 255:255:255");
    EXPECT_THROW(StoreWriteTime(t, "2026-12"), ConversionError);
    EXPECT_EQ(NowText().size(), 19u);
}

TEST(TextCodecs, Utf8) {
    EXPECT_EQ(Utf8CodePoints("aé€"), (std::vector<char32_t>{U'a', U'é', U'€'}));
    EXPECT_EQ(Utf8CodePoints("\xC3"), (std::vector<char32_t>{0xFFFD}));
    EXPECT_EQ(Utf8Encode(U'€'), "€");
}
