#include "ModelFixture.h"

namespace {
std::string Set(int index, int column, std::string text) {
    SetChannelColumn(index, column, text);
    return text;
}
}  // namespace

TEST_F(ModelTest, NewChannelGetsTheDefaults) {
    const std::size_t r = ChannelByteOffset(7, 0);
    std::fill_n(&Byte(r), 32, 0x00);  // a stale record: every default must be written
    InitChannel(7, "145.025");
    // 145.025 MHz = 14502500 = 0x00DD4A64
    EXPECT_EQ(Bytes(r, 8), (std::vector<std::uint8_t>{0x64, 0x4A, 0xDD, 0x00, 0x64, 0x4A, 0xDD, 0x00}));
    EXPECT_EQ(Bytes(r + 8, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Byte(r + 12), 0xDF) << "high, wide, busy lock off, VOX off, voice off (3), epilogue on; bit 5 kept";
    EXPECT_EQ(Byte(r + 13), 0xB0) << "PTT ID off (stored 3), DTMF off; bits 0-3 and 6 kept";
    EXPECT_EQ(Byte(r + 14), 0x00) << "not interpreted";
    EXPECT_EQ(Bytes(r + 15, 3), (std::vector<std::uint8_t>{0x00, 0x0F, 0xFF})) << "ID code 000";
    EXPECT_EQ(Bytes(r + 18, 7), std::vector<std::uint8_t>(7, 0x00)) << "blank name";
    EXPECT_TRUE(IsFlagClear(0, 7));
    EXPECT_FALSE(IsFlagClear(16, 7)) << "not in the scan list";

    TChannel ch;
    ASSERT_TRUE(DecodeChannel(7, ch));
    EXPECT_DOUBLE_EQ(ch.RxFreq, 145.025);
    EXPECT_DOUBLE_EQ(ch.TxFreq, 145.025);
    EXPECT_EQ(ch.RxTone, "");
    EXPECT_EQ(ch.Power, 1);
    EXPECT_EQ(ch.Wide, 1);
    EXPECT_EQ(ch.BusyLock, 1);
    EXPECT_EQ(ch.Vox, 1);
    EXPECT_EQ(ch.VoiceMode, 0);
    EXPECT_EQ(ch.Epilogue, 1);
    EXPECT_EQ(ch.PttId, 0);
    EXPECT_EQ(ch.Dtmf, 1);
    EXPECT_EQ(ch.ScanFlag, 1);
    EXPECT_EQ(ch.Name, "");
    EXPECT_EQ(ch.IdCode, "000");
}

TEST_F(ModelTest, EmptyReceiveTextDeletesTheChannel) {
    InitChannel(5, "145.0");
    Set(5, ColScan, "0");
    EXPECT_EQ(Set(5, ColRxFreq, ""), "");
    EXPECT_EQ(Bytes(144, 32), std::vector<std::uint8_t>(32, 0xFF));
    EXPECT_FALSE(IsFlagClear(0, 5));
    EXPECT_FALSE(IsFlagClear(16, 5));
    TChannel ch;
    ch.Name = "KEEP";
    EXPECT_FALSE(DecodeChannel(5, ch));
    EXPECT_EQ(ch.Name, "KEEP") << "a missing channel leaves the object alone";
}

TEST_F(ModelTest, TransmitOffAndDuplexFromTheTwoFrequencies) {
    InitChannel(1, "145.0");
    EXPECT_EQ(Set(1, ColTxFreq, ""), "");
    EXPECT_EQ(Bytes(20, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(1, ch));
    EXPECT_EQ(ch.TxFreq, -1);
    EXPECT_EQ(ch.DupWay, 0);
    EXPECT_EQ(ch.Offset, 0);

    EXPECT_EQ(Set(1, ColTxFreq, "144.4"), "144.40000");
    ASSERT_TRUE(DecodeChannel(1, ch));
    EXPECT_EQ(ch.DupWay, 2);
    EXPECT_DOUBLE_EQ(ch.Offset, 0.6);
    Set(1, ColTxFreq, "145.6");
    ASSERT_TRUE(DecodeChannel(1, ch));
    EXPECT_EQ(ch.DupWay, 1);
}

TEST_F(ModelTest, FlagColumnsStoreTheirBits) {
    InitChannel(2, "435.0");
    const std::size_t b12 = ChannelByteOffset(2, 12), b13 = ChannelByteOffset(2, 13);
    struct Case {
        int column;
        const char* text;
        std::size_t offset;
        std::uint8_t mask, stored;
    } cases[] = {{ColPower, "0", b12, 0x04, 0x00},    {ColWide, "0", b12, 0x80, 0x00},
                 {ColBusyLock, "0", b12, 0x10, 0x00}, {ColVox, "0", b12, 0x40, 0x00},
                 {ColVoiceMode, "0", b12, 0x03, 0x03}, {ColVoiceMode, "2", b12, 0x03, 0x01},
                 {ColEpilogue, "0", b12, 0x08, 0x00}, {ColPttId, "1", b13, 0x30, 0x20},
                 {ColPttId, "3", b13, 0x30, 0x00},    {ColDtmf, "0", b13, 0x80, 0x00}};
    for (const auto& c : cases) {
        Set(2, c.column, c.text);
        EXPECT_EQ(Byte(c.offset) & c.mask, c.stored) << "column " << c.column << " text " << c.text;
    }
    EXPECT_EQ(Byte(b12) & 0x20, 0x20) << "uninterpreted bit 5 kept";
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(2, ch));
    EXPECT_EQ(ch.VoiceMode, 2);
    EXPECT_EQ(ch.PttId, 3);
    Set(2, ColScan, "0");
    EXPECT_TRUE(IsFlagClear(16, 2));
    Set(2, ColScan, "1");
    EXPECT_FALSE(IsFlagClear(16, 2));
    EXPECT_THROW(Set(2, ColPower, "x"), ConversionError);
}

TEST_F(ModelTest, NameAndIdCode) {
    InitChannel(3, "145.0");
    EXPECT_EQ(Set(3, ColName, "ABCDEFGHIJ"), "ABCDEFG");
    EXPECT_EQ(Bytes(ChannelByteOffset(3, 18), 7), (std::vector<std::uint8_t>{33, 34, 35, 36, 37, 38, 39}));
    EXPECT_EQ(Set(3, ColName, "AB"), "AB");
    EXPECT_EQ(Bytes(ChannelByteOffset(3, 18), 7), (std::vector<std::uint8_t>{33, 34, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Set(3, ColName, "é{"), "é{") << "shown as typed; stored as the fallback code";
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(3, ch));
    EXPECT_EQ(ch.Name, "@@");

    EXPECT_EQ(Set(3, ColIdCode, "12"), "120");
    EXPECT_EQ(Bytes(ChannelByteOffset(3, 15), 3), (std::vector<std::uint8_t>{0x12, 0x0F, 0xFF}));
    ASSERT_TRUE(DecodeChannel(3, ch));
    EXPECT_EQ(ch.IdCode, "120");
    Set(3, ColIdCode, "123456789");
    EXPECT_EQ(Bytes(ChannelByteOffset(3, 15), 3), (std::vector<std::uint8_t>{0x12, 0x34, 0x56}));
    ASSERT_TRUE(DecodeChannel(3, ch));
    EXPECT_EQ(ch.IdCode, "123456");
    for (int k = 15; k <= 17; ++k) Byte(ChannelByteOffset(3, k)) = 0xFF;
    ASSERT_TRUE(DecodeChannel(3, ch));
    EXPECT_EQ(ch.IdCode, "000");
}

TEST_F(ModelTest, TonesAreStoredAndBadStoredTonesRepaired) {
    InitChannel(4, "145.0");
    Set(4, ColRxTone, "88.5");
    Set(4, ColTxTone, "D023N");
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(4, ch));
    EXPECT_EQ(ch.RxTone, "88.5");
    EXPECT_EQ(ch.TxTone, "D023N");
    // A CTCSS code whose digits are not decimal cannot be shown; it reads as no tone.
    Byte(ChannelByteOffset(4, 8)) = 0x7A;
    Byte(ChannelByteOffset(4, 9)) = 0x06;
    ASSERT_TRUE(DecodeChannel(4, ch));
    EXPECT_EQ(ch.RxTone, "");
    EXPECT_EQ(Bytes(ChannelByteOffset(4, 8), 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

TEST_F(ModelTest, DecodeRepairsAnOutOfBandReceiveFrequency) {
    InitChannel(6, "145.0");
    WriteChannelFrequency(6, PutU32(15000000), 0);  // 150 MHz: outside both bands
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(6, ch));
    EXPECT_EQ(ch.RxFreq, 430.0);
    EXPECT_DOUBLE_EQ(ReadChannelFrequency(6, 0), 430.0) << "the repaired value is written back";
}

TEST_F(ModelTest, FrequencyModeRecords) {
    SetSetting(9, 0x0F, 0);  // 500 Hz grid
    Byte(ChannelByteOffset(129, 7)) = 0xF1;
    EXPECT_EQ(Set(129, ColOffset, "0.6"), "0.60000");
    EXPECT_EQ(Byte(ChannelByteOffset(129, 7)), 0xF1) << "the offset leaves the duplex byte alone";
    EXPECT_EQ(Set(129, ColRxFreq, ""), "144.00000") << "empty: lowest enabled band edge";
    EXPECT_EQ(Set(129, ColRxFreq, "145.5"), "145.50000");
    EXPECT_EQ(Set(129, ColOffset, "100"), "0.00000") << "above 99.995 stores 0";
    Set(129, ColOffset, "0.6");
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(129, ch));
    EXPECT_EQ(ch.DupWay, 1);
    EXPECT_DOUBLE_EQ(ch.Offset, 0.6);
    EXPECT_DOUBLE_EQ(ch.TxFreq, 146.1);
    Set(129, ColDupWay, "3");
    ASSERT_TRUE(DecodeChannel(129, ch));
    EXPECT_EQ(ch.DupWay, 0) << "3 reads as off";
    EXPECT_DOUBLE_EQ(ch.TxFreq, 145.5);
}

TEST_F(ModelTest, FmPresets) {
    EXPECT_EQ(SetFmPreset(3, "200"), "107.00000") << "capped at the FM upper bound";
    EXPECT_EQ(ReadImageU16(4176 + 4), 4280);
    EXPECT_DOUBLE_EQ(GetFmPreset(3), 107.0);
    EXPECT_EQ(SetFmPreset(1, "87.5"), "88.00000") << "raised to the lower band limit";
    EXPECT_EQ(SetFmPreset(3, ""), "");
    EXPECT_EQ(GetFmPreset(3), -1);
    EXPECT_EQ(SetFmPreset(32, ""), "88.00000");
    EXPECT_NE(GetFmPreset(32), -1);
    WriteImageU16(4176 + 2 * 31, 9999);
    EXPECT_DOUBLE_EQ(GetFmPreset(32), 88.0) << "outside the limits reads as the lower limit";
    EXPECT_EQ(ReadImageU16(4176 + 62), 3520);
    EXPECT_THROW(SetFmPreset(2, "abc"), ConversionError);
}
