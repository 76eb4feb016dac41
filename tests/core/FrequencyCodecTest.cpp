#include "ModelFixture.h"

TEST(FrequencyCodec, SnapsToTheGridOfEachMode) {
    struct Case {
        double in;
        int mode;
        double out;
        int modeAfter;
        std::int64_t count;
    } cases[] = {
        {145.00625, GridAuto, 145.00625, Grid1250Hz, 14500625},
        {145.005, GridAuto, 145.005, Grid1250Hz, 14500500},  // a multiple of 125 wins before 50
        {145.0005, GridAuto, 145.0005, Grid500Hz, 14500050},
        {145.0026, GridAuto, 145.0025, Grid1250Hz, 14500250},  // r50 = r125 = 10: the 125 grid
        {145.0001, GridAuto, 145.0, Grid1250Hz, 14500000},
        {430.0013, Grid2500Hz, 430.0025, Grid2500Hz, 43000250},
        {430.0012, Grid2500Hz, 430.0, Grid2500Hz, 43000000},
        {145.0003, Grid500Hz, 145.0005, Grid500Hz, 14500050},  // r/g = 0.6 rounds up
        {145.0002, Grid500Hz, 145.0, Grid500Hz, 14500000},
        {145.00063, Grid1250Hz, 145.00125, Grid1250Hz, 14500125},  // r/g = 0.504 rounds up
        {145.00625, GridAutoKeep, 145.00625, GridAutoKeep, 14500625},
        {145.0, 9, 145.0, 9, 0},  // unknown mode: nothing
    };
    for (const auto& c : cases) {
        double mhz = c.in;
        int mode = c.mode;
        EXPECT_EQ(SnapFrequency(mhz, mode), c.count) << c.in << " mode " << c.mode;
        EXPECT_NEAR(mhz, c.out, 1e-9) << c.in;
        EXPECT_EQ(mode, c.modeAfter) << c.in;
    }
}

TEST_F(ModelTest, StepSettingSelectsTheGrid) {
    struct Case {
        std::uint8_t step;
        int mode;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 0}, {4, 2}, {9, 2}};
    for (const auto& c : cases) {
        SetSetting(9, 0x0F, c.step);
        EXPECT_EQ(StepGridMode(), c.mode) << int(c.step);
    }
    SetSetting(9, 0x0F, 2);
    double mhz = 145.0003;
    int mode = GridFromStep;
    EXPECT_EQ(SnapFrequency(mhz, mode), 14500000);
    EXPECT_EQ(mode, Grid1250Hz);
}

TEST(FrequencyCodec, GridClass) {
    EXPECT_EQ(GridClass(145.0), 2);
    EXPECT_EQ(GridClass(145.00625), 1);
    EXPECT_EQ(GridClass(145.0005), 0);
    EXPECT_EQ(GridClass(145.0001), 2);
}

TEST(FrequencyCodec, BytesAndTexts) {
    EXPECT_DOUBLE_EQ(FrequencyFromBytes(0x80, 0xDE, 0x24, 0x01), 191.93472);
    EXPECT_DOUBLE_EQ(FrequencyFromBytes(0x80, 0xDE, 0x24, 0x81), 191.93472);  // bit 31 ignored
    EXPECT_EQ(PutU32(0x0124DE80), (std::array<std::uint8_t, 4>{0x80, 0xDE, 0x24, 0x01}));
    EXPECT_EQ(ParseFrequency(""), -1.0);
    EXPECT_EQ(ParseFrequency("MHz"), -1.0);
    EXPECT_DOUBLE_EQ(ParseFrequency("145.5MHz and more"), 145.5);
    EXPECT_THROW(ParseFrequency("abc"), ConversionError);
    EXPECT_EQ(FormatFrequency(145.5), "145.50000");
}

TEST_F(ModelTest, ChannelFrequencyFields) {
    WriteChannelFrequency(3, {0x80, 0xDE, 0x24, 0x81}, 1);
    EXPECT_DOUBLE_EQ(ReadChannelFrequency(3, 1), 191.93472);
    Byte(ChannelByteOffset(129, 7)) = 0x02;
    WriteChannelFrequency(129, {0x10, 0x27, 0x00, 0x99}, 2);
    EXPECT_EQ(Byte(ChannelByteOffset(129, 7)), 0x02) << "byte 7 holds the duplex direction";
    EXPECT_DOUBLE_EQ(ReadChannelFrequency(129, 2), 0.1);
    EXPECT_EQ(ReadChannelFrequency(3, 7), 0.0);
}

TEST_F(ModelTest, BandCheckUsesTheEnabledBands) {
    double mhz = 0;
    EXPECT_TRUE(CheckBandFrequency("150.0", mhz));
    EXPECT_EQ(mhz, 430.0);
    EXPECT_FALSE(CheckBandFrequency("145.5", mhz));
    EXPECT_EQ(mhz, 145.5);
    mhz = 435;
    EXPECT_FALSE(CheckBandFrequency("", mhz));
    EXPECT_TRUE(CheckBandFrequency("x1", mhz));  // not a number: out of band, never an error
    EXPECT_EQ(mhz, 430.0);
    mhz = -3;
    EXPECT_TRUE(CheckBandFrequency("", mhz));
    EXPECT_EQ(mhz, 430.0);
    All().Band = {};
    mhz = 500;
    EXPECT_TRUE(CheckBandFrequency("", mhz));
    EXPECT_EQ(mhz, 500.0) << "with no band enabled the value stays";
}

TEST_F(ModelTest, NearestBandEdge) {
    EXPECT_EQ(NearestBandEdge(false, -1), 144.0);
    EXPECT_EQ(NearestBandEdge(true, 439), 440.0);
    EXPECT_EQ(NearestBandEdge(true, 150), 146.0);
    All().Band = {};
    EXPECT_EQ(NearestBandEdge(false, 145), 0.0);
}
