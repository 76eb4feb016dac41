#include "ModelFixture.h"

TEST_F(ModelTest, FirstShowGivesTheBuiltInModelState) {
    EXPECT_EQ(All().ModelCode, "RK40");
    EXPECT_EQ(All().ModelName, "RK-40");
    EXPECT_EQ(All().ChannelCount, 128);
    EXPECT_EQ(All().ModelFullMask, 0x0F);
    EXPECT_EQ(All().BandMask, 0x05);
    EXPECT_EQ(All().Band[0].Lo, 430.0);
    EXPECT_EQ(All().Band[0].Hi, 440.0);
    EXPECT_EQ(All().Band[1].Lo, 144.0);
    EXPECT_EQ(All().Band[1].Hi, 146.0);
    EXPECT_EQ(All().Band[2].Lo, 0.0);
    EXPECT_EQ(All().Band[3].Hi, 0.0);
    EXPECT_EQ(All().BandText, "430.00000 - 440.00000/144.00000 - 146.00000MHz");
    // The identification record keeps the mask written before the derivation.
    EXPECT_EQ(Bytes(4600, 8), (std::vector<std::uint8_t>{'P', 'R', 'K', '4', '0', 0xFF, 0x45, 0x00}));
    EXPECT_EQ(ReadImageU32(4608), 43000000u);
    EXPECT_EQ(ReadImageU32(4612), 44000000u);
    EXPECT_EQ(ReadImageU32(4616), 14400000u);
    EXPECT_EQ(ReadImageU32(4632), 35000000u) << "band 4 defaults are written though unused";
}

TEST_F(ModelTest, ResetImageSettingsBytes) {
    const std::uint8_t expected[64] = {
        0x00, 0x00, 0x00, 0xFF, 0xBD, 0xF6, 0xF8, 0x65, 0x94, 0x16, 0x00, 0x0C, 0x00, 0xF5, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF1, 0x32, 0xD0,
        0xEF, 0x1A, 0xF5, 0xFF, 0x00, 0x0F, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Bytes(4536, 64), std::vector<std::uint8_t>(expected, expected + 64));
    EXPECT_EQ(Bytes(4528, 4), std::vector<std::uint8_t>(4, 0xFF));
    EXPECT_EQ(Bytes(4532, 4), (std::vector<std::uint8_t>{0xC0, 0x0D, 0xE0, 0x10}));
    EXPECT_EQ(Bytes(0, 16), std::vector<std::uint8_t>(16, 0xFF));
    EXPECT_EQ(Bytes(16, 4096), std::vector<std::uint8_t>(4096, 0xFF));
    EXPECT_EQ(All().ManualFreq, 0xFF);
    const std::string stamp = FormatWriteTime(&Byte(4704));
    EXPECT_EQ(stamp.substr(0, 2), "20");
    EXPECT_EQ(stamp.size(), 19u);
}

TEST_F(ModelTest, ResetLeavesTheBytesAbove4751) {
    EXPECT_EQ(Bytes(4752, 16), std::vector<std::uint8_t>(16, 0x00)) << "zero right after start-up";
    std::fill_n(&Byte(4752), 16, 0x5A);
    DeriveOnNew();
    EXPECT_EQ(Bytes(4752, 16), std::vector<std::uint8_t>(16, 0x5A));
    EXPECT_EQ(Byte(4751), 0xFF);
}

TEST_F(ModelTest, CheckSettingsRepairsFieldsAndFmLimits) {
    Byte(4536 + 13) = 0xFF;
    Byte(4536 + 0) = 200;
    Byte(4536 + 11) = 27;
    Byte(4536 + 46) = 0x00;
    WriteImageU16(4532, 3520);
    WriteImageU16(4534, 3520);
    CheckSettings();
    EXPECT_EQ(Byte(4549), 0xF5);
    EXPECT_EQ(Byte(4536), 0);
    EXPECT_EQ(Byte(4547), 27) << "in range stays";
    EXPECT_EQ(Byte(4582), 0xFF);
    EXPECT_EQ(Bytes(4532, 4), (std::vector<std::uint8_t>{0xC0, 0x0D, 0xE0, 0x10}));
    WriteImageU16(4532, 2800);
    WriteImageU16(4534, 4560);
    CheckSettings();
    EXPECT_EQ(ReadImageU16(4532), 2800) << "70 to 114 MHz is accepted";
    EXPECT_EQ(ReadImageU16(4534), 4560);
}

TEST_F(ModelTest, DeriveBandsFromTheStoredMask) {
    struct Case {
        std::uint8_t stored;
        std::uint8_t mask;
        TBand band0, band1;
    } cases[] = {
        {0x00, 0x0F, {410, 470}, {136, 174}},  // nothing stored: the model's full bands
        {0x05, 0x05, {430, 440}, {144, 146}},
        {0x01, 0x01, {430, 440}, {0, 0}},
        {0x0E, 0x0F, {410, 470}, {136, 174}},
        {0xF4, 0x04, {0, 0}, {144, 146}},  // bands 3 and 4 are not supported
    };
    for (const auto& c : cases) {
        Byte(4606) = c.stored;
        DeriveBands();
        EXPECT_EQ(All().BandMask, c.mask) << int(c.stored);
        EXPECT_EQ(All().Band[0].Lo, c.band0.Lo) << int(c.stored);
        EXPECT_EQ(All().Band[0].Hi, c.band0.Hi) << int(c.stored);
        EXPECT_EQ(All().Band[1].Lo, c.band1.Lo) << int(c.stored);
        EXPECT_EQ(All().Band[1].Hi, c.band1.Hi) << int(c.stored);
        EXPECT_EQ(All().Band[2].Lo, 0);
    }
    Byte(4606) = 0;
    DeriveBands();
    EXPECT_EQ(All().BandText, "410.00000 - 470.00000/136.00000 - 174.00000MHz");
}

TEST_F(ModelTest, InvalidRestrictedBandsTakeTheFullLimits) {
    Byte(4606) = 0x05;
    WriteImageU32(4608, 44000000);  // lower above upper
    WriteImageU32(4612, 43000000);
    WriteImageU32(4616, 13000000);  // below the model's 136 MHz
    DeriveBands();
    EXPECT_EQ(All().BandMask, 0x0F);
    EXPECT_EQ(All().Band[0].Lo, 410.0);
    EXPECT_EQ(All().Band[1].Lo, 136.0);
    WriteImageU32(4608, 43000130);  // aligned to 2.5 kHz when read
    WriteImageU32(4612, 44000000);
    Byte(4606) = 0x01;
    DeriveBands();
    EXPECT_DOUBLE_EQ(All().Band[0].Lo, 430.0025);
    All().Band = {};
    Byte(4606) = 0x00;
    All().ModelFullMask = 0;
    DeriveBands();
    EXPECT_EQ(All().BandText, "MHz");
}

TEST_F(ModelTest, AfterReadEveryBandIsRestricted) {
    Byte(4605) = 0xAA;
    DeriveOnRead("RK40", 0x00);  // the radio reports no band: the model's full bands
    EXPECT_EQ(Byte(4605), 0xFF) << "manual frequency is not allowed on this model";
    EXPECT_EQ(All().ManualFreq, 0xFF);
    EXPECT_EQ(All().BandMask, 0x05);
    EXPECT_EQ(Byte(4606), 0x05);
    EXPECT_EQ(All().Band[0].Lo, 410.0);
    EXPECT_EQ(ReadImageU32(4608), 41000000u) << "the full limits are written as restricted edges";
    WriteImageU32(4608, 43000000);
    WriteImageU32(4612, 44000000);
    DeriveOnRead("RK40", 0x0F);  // full bits become restricted: the stored edges count
    EXPECT_EQ(Byte(4606), 0x05);
    EXPECT_EQ(All().Band[0].Lo, 430.0);
    All().ManualFreqAllowed = 1;
    Byte(4605) = 0xAA;
    DeriveOnRead("RK40", 0xFF);  // no band byte: the stored mask stays
    EXPECT_EQ(All().ManualFreq, 0xAA);
    EXPECT_EQ(Byte(4606), 0x05);
}

TEST_F(ModelTest, NewKeepsTheLastDerivedBands) {
    Byte(4606) = 0x00;
    DeriveBands();  // full limits now
    DeriveOnNew();
    EXPECT_EQ(All().Band[0].Lo, 410.0) << "New does not take the model's defaults again";
    EXPECT_EQ(All().BandMask, 0x0F);
}
