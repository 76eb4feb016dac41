#include "ModelFixture.h"

TEST(BitCodec, BitsAndFields) {
    std::uint8_t b = 0;
    SetBit(b, 3, true);
    EXPECT_EQ(b, 0x08);
    EXPECT_TRUE(GetBit(b, 3));
    EXPECT_FALSE(GetBit(b, 2));
    SetBit(b, 8, true);  // out of range: nothing changes
    SetBit(b, -1, true);
    EXPECT_EQ(b, 0x08);
    SetBit(b, 3, false);
    EXPECT_EQ(b, 0);

    EXPECT_EQ(GetField(0xB5, 0x30, 3, 0), 3);
    EXPECT_EQ(GetField(0xF0, 0xF0, 9, 5), 5);  // 15 exceeds the limit: the default
    std::uint8_t c = 0xFF;
    SetField(c, 0x30, 1);
    EXPECT_EQ(c, 0xDF);
    // The value is not limited to the mask: callers pass values that fit.
    std::uint8_t d = 0;
    SetField(d, 0x0C, 5);
    EXPECT_EQ(d, 0x14);

    EXPECT_EQ(ClampOrDefault(7, 0, 9, 5), 7);
    EXPECT_EQ(ClampOrDefault(10, 0, 9, 5), 5);
    EXPECT_EQ(ClampOrDefault(1, 2, 9, 5), 5);
}

TEST_F(ModelTest, SettingsAccessWorksOnTheSettingsArea) {
    Byte(4536 + 9) = 0x16;
    EXPECT_EQ(GetSetting(9, 0x0F), 6);
    EXPECT_EQ(GetSetting(9, 0xF0), 1);
    SetSetting(9, 0xF0, 3);
    EXPECT_EQ(Byte(4545), 0x36);
    Byte(4536 + 13) = 0xFF;
    CheckSetting(13, 0x0F, 0, 9, 5);
    EXPECT_EQ(Byte(4549), 0xF5);
    Byte(4536 + 13) = 0x37;
    CheckSetting(13, 0x0F, 0, 9, 5);  // in range: rewritten unchanged
    EXPECT_EQ(Byte(4549), 0x37);
}

TEST_F(ModelTest, BitmapsUseClearBitForYes) {
    // Channel 9 is bit 0 of byte 4497
    SetFlagBit(0, 9, true);
    EXPECT_EQ(Byte(4497), 0xFE);
    EXPECT_TRUE(IsFlagClear(0, 9));
    EXPECT_FALSE(IsFlagClear(0, 8));
    SetFlagBit(16, 128, true);
    EXPECT_EQ(Byte(4512 + 15), 0x7F);
    SetFlagBit(32, 32, true);
    EXPECT_EQ(Byte(4531), 0x7F);
    SetFlagBit(0, 9, false);
    EXPECT_EQ(Byte(4497), 0xFF);
}

TEST(BitCodec, ChannelRecordOffsets) {
    EXPECT_EQ(ChannelByteOffset(1, 0), 16u);
    EXPECT_EQ(ChannelByteOffset(128, 0), 4080u);
    EXPECT_EQ(ChannelByteOffset(129, 0), 4112u);
    EXPECT_EQ(ChannelByteOffset(130, 0), 4144u);
    EXPECT_EQ(ChannelByteOffset(5, 31), 175u);
}
