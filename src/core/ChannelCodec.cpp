#include "ChannelCodec.h"

#include <algorithm>
#include <cmath>

#include "BitCodec.h"
#include "FrequencyCodec.h"
#include "Globals.h"
#include "NumberText.h"
#include "TextCodecs.h"
#include "ToneCodec.h"

namespace R = Layout::Rec;
namespace M = Layout::Mask;

namespace {

constexpr double NoFrequency = -1.0;
constexpr double MaxOffsetMHz = 99.995;
constexpr std::int64_t MaxCount = 0x7FFFFFFF;  // bit 31 of the transmit field is the transmit-off flag

std::array<std::uint8_t, 4> CountBytes(std::int64_t count) {
    return PutU32(static_cast<std::uint32_t>(std::clamp<std::int64_t>(count, 0, MaxCount)));
}

std::uint8_t Number(const std::string& text) { return static_cast<std::uint8_t>(ParseInt(text)); }

void SetRecordField(int index, int k, std::uint8_t mask, std::uint8_t value) {
    SetField(ChannelByte(index, k), mask, value);
}

void EraseRecord(int index) {
    SetFlagBit(Layout::PresentBitmap, index, false);
    SetFlagBit(Layout::ScanBitmap, index, false);
    for (int k = 0; k < static_cast<int>(Layout::RecordSize); ++k) ChannelByte(index, k) = 0xFF;
}

int OffsetGridMode(double referenceMHz) {
    const int mode = StepGridMode();
    return mode == GridAuto ? GridClass(referenceMHz) : mode;
}

void SetOffset(int index, std::string& text) {
    double mhz = ParseFrequency(text);
    if (mhz == NoFrequency || mhz > MaxOffsetMHz || mhz < 0) mhz = 0;
    int mode = OffsetGridMode(ReadChannelFrequency(index, 0));
    WriteChannelFrequency(index, CountBytes(SnapFrequency(mhz, mode)), 2);
    text = FormatFrequency(mhz);
}

void SetReceive(int index, std::string& text) {
    double mhz = ParseFrequency(text);
    if (IsFrequencyModeRecord(index)) {
        if (mhz == NoFrequency) mhz = NearestBandEdge(false, NoFrequency);
        std::string offset = FormatFrequency(ReadChannelFrequency(index, 2));
        int mode = OffsetGridMode(ReadChannelFrequency(index, 2));
        WriteChannelFrequency(index, CountBytes(SnapFrequency(mhz, mode)), 0);
        SetOffset(index, offset);  // aligned again under the new receive frequency
    } else if (mhz != NoFrequency) {
        int mode = GridAuto;
        WriteChannelFrequency(index, CountBytes(SnapFrequency(mhz, mode)), 0);
        SetFlagBit(Layout::PresentBitmap, index, true);
    } else {
        EraseRecord(index);
    }
    text = mhz == NoFrequency ? "" : FormatFrequency(mhz);
}

void SetTransmit(int index, std::string& text) {
    double mhz = ParseFrequency(text);
    if (mhz == NoFrequency) {
        WriteChannelFrequency(index, {0xFF, 0xFF, 0xFF, 0xFF}, 1);
        text.clear();
        return;
    }
    int mode = GridAuto;
    WriteChannelFrequency(index, CountBytes(SnapFrequency(mhz, mode)), 1);
    text = FormatFrequency(mhz);
}

void SetTone(int index, int k, const std::string& text) {
    const ToneBytes t = EncodeTone(text);
    ChannelByte(index, k) = t.lo;
    ChannelByte(index, k + 1) = t.hi;
}

void SetName(int index, std::string& text) {
    std::vector<char32_t> chars = Utf8CodePoints(text);
    chars.resize(R::NameLength, U' ');
    std::string shown;
    for (int i = 0; i < R::NameLength; ++i) {
        ChannelByte(index, R::Name + i) = NameCode(chars[i]);
        shown += Utf8Encode(chars[i]);
    }
    text = shown.substr(0, shown.find_last_not_of(' ') + 1);
}

void SetIdCode(int index, std::string& text) {
    if (text.size() < 3) text.append(3 - text.size(), '0');
    std::string digits = text.substr(0, R::IdCodeDigits);
    digits.append(R::IdCodeDigits - digits.size(), '*');
    for (int i = 0; i < R::IdCodeDigits; ++i) {
        const std::uint8_t mask = (i % 2 == 0) ? 0xF0 : 0x0F;
        SetRecordField(index, R::IdCode + i / 2, mask, DtmfCode(digits[i]));
    }
}

// A tone the radio stored in a form no tone text can express reads as no tone.
std::string DecodeStoredTone(int index, int k) {
    try {
        return DecodeTone(ChannelByte(index, k), ChannelByte(index, k + 1));
    } catch (const ConversionError&) {
        return "";
    }
}

double Rounded(double mhz) { return std::llround(mhz * 100000.0) / 100000.0; }

}  // namespace

bool IsFrequencyModeRecord(int index) { return index == Layout::VfoA || index == Layout::VfoB; }

void SetChannelColumn(int index, int column, std::string& text) {
    switch (column) {
        case ColRxFreq: SetReceive(index, text); break;
        case ColTxFreq: SetTransmit(index, text); break;
        case ColOffset: SetOffset(index, text); break;
        case ColDupWay: SetRecordField(index, R::DupWay, M::DupWay, Number(text)); break;
        case ColRxTone: SetTone(index, R::RxTone, text); break;
        case ColTxTone: SetTone(index, R::TxTone, text); break;
        case ColPower: SetRecordField(index, R::Flags12, M::Power, Number(text)); break;
        case ColWide: SetRecordField(index, R::Flags12, M::Wide, Number(text)); break;
        case ColScan: SetFlagBit(Layout::ScanBitmap, index, text == "0"); break;
        case ColBusyLock: SetRecordField(index, R::Flags12, M::BusyLock, Number(text)); break;
        case ColVox: SetRecordField(index, R::Flags12, M::Vox, Number(text)); break;
        case ColVoiceMode: SetRecordField(index, R::Flags12, M::VoiceMode, Number(text) ^ 3); break;
        case ColEpilogue: SetRecordField(index, R::Flags12, M::Epilogue, Number(text)); break;
        case ColPttId: SetRecordField(index, R::Flags13, M::PttId, Number(text) ^ 3); break;
        case ColDtmf: SetRecordField(index, R::Flags13, M::Dtmf, Number(text)); break;
        case ColName: SetName(index, text); break;
        case ColIdCode: SetIdCode(index, text); break;
        default: break;  // number, reverse and "More..." have no stored field
    }
}

void InitChannel(int index, const std::string& rxText) {
    std::string rx = rxText;
    SetChannelColumn(index, ColRxFreq, rx);
    struct Default {
        int column;
        const char* text;
    };
    static const Default defaults[] = {
        {ColRxTone, ""}, {ColTxTone, ""}, {ColPower, "1"},     {ColWide, "1"},    {ColScan, "1"},
        {ColBusyLock, "1"}, {ColVox, "1"}, {ColVoiceMode, "0"}, {ColEpilogue, "1"}, {ColPttId, "0"},
        {ColDtmf, "1"},  {ColName, ""},  {ColIdCode, ""}};
    std::string tx = rx;
    SetChannelColumn(index, ColTxFreq, tx);
    for (const Default& d : defaults) {
        std::string text = d.text;
        SetChannelColumn(index, d.column, text);
    }
}

bool DecodeChannel(int index, TChannel& ch) {
    const bool vfo = IsFrequencyModeRecord(index);
    if (!vfo && !IsFlagClear(Layout::PresentBitmap, index)) return false;

    double rx = ReadChannelFrequency(index, 0);
    CheckBandFrequency("", rx);
    std::string text = FormatFrequency(rx);
    SetChannelColumn(index, ColRxFreq, text);
    ch.RxFreq = ParseFloat(text);

    if (vfo) {
        double off = ReadChannelFrequency(index, 2);
        if (off > MaxOffsetMHz) off = 0;
        text = FormatFrequency(off);
        SetChannelColumn(index, ColOffset, text);
        ch.Offset = ParseFloat(text);
        ch.DupWay = GetField(ChannelByte(index, R::DupWay), M::DupWay, 2, 0);
        ch.TxFreq = ch.DupWay == 1 ? ch.RxFreq + ch.Offset : ch.DupWay == 2 ? ch.RxFreq - ch.Offset : ch.RxFreq;
    } else {
        ch.Offset = 0;
        ch.DupWay = 0;
        if (ChannelByte(index, R::DupWay) & M::TxOff) {
            ch.TxFreq = -1;
        } else {
            text = FormatFrequency(ReadChannelFrequency(index, 1));
            SetChannelColumn(index, ColTxFreq, text);
            ch.TxFreq = ParseFloat(text);
            const double d = Rounded(ch.TxFreq - ch.RxFreq);
            ch.DupWay = d > 0 ? 1 : d < 0 ? 2 : 0;
            ch.Offset = std::fabs(d);
        }
    }

    ch.RxTone = DecodeStoredTone(index, R::RxTone);
    SetChannelColumn(index, ColRxTone, ch.RxTone);
    ch.TxTone = DecodeStoredTone(index, R::TxTone);
    SetChannelColumn(index, ColTxTone, ch.TxTone);

    const std::uint8_t b12 = ChannelByte(index, R::Flags12);
    ch.Power = GetField(b12, M::Power, 1, 1);
    ch.Vox = GetField(b12, M::Vox, 1, 1);
    ch.Wide = GetField(b12, M::Wide, 1, 1);
    ch.Epilogue = GetField(b12, M::Epilogue, 1, 1);
    ch.BusyLock = GetField(b12, M::BusyLock, 1, 1);
    ch.VoiceMode = GetField(b12, M::VoiceMode, 3, 3) ^ 3;
    ch.Revs = 0;

    const std::uint8_t b13 = ChannelByte(index, R::Flags13);
    ch.PttId = GetField(b13, M::PttId, 3, 3) ^ 3;
    ch.Dtmf = GetField(b13, M::Dtmf, 1, 1);

    std::string name;
    for (int i = 0; i < R::NameLength; ++i) name += NameChar(ChannelByte(index, R::Name + i));
    ch.Name = name.substr(0, name.find_last_not_of(' ') + 1);

    std::string id;
    for (int i = 0; i < R::IdCodeDigits; ++i) {
        const std::uint8_t b = ChannelByte(index, R::IdCode + i / 2);
        const std::uint8_t nibble = (i % 2 == 0) ? (b >> 4) : (b & 0x0F);
        if (nibble > 9) break;
        id += static_cast<char>('0' + nibble);
    }
    ch.IdCode = id.size() < 3 ? "000" : id;

    if (!vfo) ch.ScanFlag = IsFlagClear(Layout::ScanBitmap, index) ? 0 : 1;
    return true;
}

namespace {
std::size_t FmEntryOffset(int n) { return Layout::FmTable + 2 * static_cast<std::size_t>(n - 1); }
double FmMHz(int units) { return units * Layout::FmUnit10Hz / 100000.0; }
std::string FmText(int units) { return FormatFrequency(FmMHz(units)); }
}  // namespace

double GetFmPreset(int n) {
    const int lower = ReadImageU16(Layout::FmLowerLimit);
    const int upper = ReadImageU16(Layout::FmUpperLimit);
    if (n != Layout::FmTuned && !IsFlagClear(Layout::FmPresentBitmap, n)) return -1;
    int v = ReadImageU16(FmEntryOffset(n));
    if (v > upper || v < lower) v = lower;
    const double mhz = FmMHz(v);
    SetFmPreset(n, FormatFrequency(mhz));
    return mhz;
}

std::string SetFmPreset(int n, const std::string& text) {
    const int lower = ReadImageU16(Layout::FmLowerLimit);
    const int upper = ReadImageU16(Layout::FmUpperLimit);
    if (text.empty()) {
        if (n == Layout::FmTuned) return FmText(lower);
        SetFlagBit(Layout::FmPresentBitmap, n, false);
        return "";
    }
    if (n != Layout::FmTuned) SetFlagBit(Layout::FmPresentBitmap, n, true);
    const double mhz = std::min(ParseFloat(text), All().FmUpper);
    std::int64_t units = std::llround(mhz * 100000.0 / Layout::FmUnit10Hz);
    if (units > upper) units = upper;
    if (units < lower) units = lower;
    WriteImageU16(FmEntryOffset(n), static_cast<std::uint16_t>(units));
    return FmText(static_cast<int>(units));
}
