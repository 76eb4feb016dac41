#include "Derivation.h"

#include <algorithm>
#include <cmath>

#include "BitCodec.h"
#include "FrequencyCodec.h"
#include "Globals.h"
#include "TextCodecs.h"

namespace {

constexpr std::uint8_t DefaultSettingsBlock[Layout::DefaultsBlockSize] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xBD, 0xFE, 0xFC, 0x65,
    0x94, 0x16, 0x00, 0x0C, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF1, 0x32, 0xD0, 0xEF, 0xFA, 0xF5, 0xFF, 0x00, 0x0F, 0xFF, 0xFF};

struct SettingCheck {
    int index;
    std::uint8_t mask, max, def;
};

// Run in this order; the fields belong to the windows that edit them.
constexpr SettingCheck SettingChecks[] = {
    {0, 0xFF, 127, 0}, {1, 0xFF, 127, 0}, {2, 0xFF, 24, 0},  {6, 0x03, 2, 2},   {5, 0x18, 2, 2},
    {7, 0x0F, 9, 5},   {7, 0xF0, 12, 6},  {8, 0x0F, 8, 4},   {9, 0x0F, 8, 5},   {9, 0xF0, 3, 1},
    {10, 0x0F, 2, 0},  {10, 0xF0, 8, 1},  {11, 0xFF, 27, 12}, {12, 0xFF, 129, 0}, {6, 0x0C, 2, 2},
    {13, 0x0F, 9, 5},  {29, 0x0F, 11, 2}, {30, 0x0F, 10, 0}, {30, 0xF0, 9, 0},  {31, 0x0F, 6, 0},
    {31, 0x30, 3, 3},  {33, 0x0F, 15, 15}, {33, 0xF0, 2, 1}, {34, 0x0F, 10, 5}, {34, 0xF0, 15, 15},
    {40, 0xFF, 10, 0}};

constexpr int ForcedErasedSettings[] = {46, 47};

// FM limits in 25 kHz units: 70.0 to 114.0 MHz accepted, 88.0 to 108.0 by default
constexpr int FmLimitMin = 2800, FmLimitMax = 4560, FmDefaultLower = 3520, FmDefaultUpper = 4320;

std::size_t BandLo(int i) { return Layout::BandTable + 8 * static_cast<std::size_t>(i); }
std::size_t BandHi(int i) { return BandLo(i) + 4; }

double StoredBandEdge(std::size_t offset) {
    const auto& im = All().Image;
    double mhz = FrequencyFromBytes(im[offset], im[offset + 1], im[offset + 2], im[offset + 3]);
    int mode = Grid2500Hz;
    SnapFrequency(mhz, mode);
    return mhz;
}

}  // namespace

void ResetImage() {
    TALL& all = All();
    std::fill(all.Image.begin(), all.Image.begin() + Layout::ResetEnd, 0xFF);
    std::copy(std::begin(DefaultSettingsBlock), std::end(DefaultSettingsBlock),
              all.Image.begin() + Layout::DefaultsBlock);
    all.ManualFreq = Layout::ManualFreqNo;
    CheckSettings();
    StoreWriteTime(&all.Image[Layout::WriteTime], NowText());
}

void CheckSettings() {
    for (const SettingCheck& c : SettingChecks) CheckSetting(c.index, c.mask, 0, c.max, c.def);
    for (int index : ForcedErasedSettings) All().Image[Layout::Settings + index] = 0xFF;
    const int lower = ReadImageU16(Layout::FmLowerLimit);
    const int upper = ReadImageU16(Layout::FmUpperLimit);
    if (lower < FmLimitMin || lower > FmLimitMax || upper < FmLimitMin || upper > FmLimitMax || lower >= upper) {
        WriteImageU16(Layout::FmLowerLimit, FmDefaultLower);
        WriteImageU16(Layout::FmUpperLimit, FmDefaultUpper);
    }
}

void ApplyModel(const std::string& code, bool writeRecord) {
    const TMacType* model = MacList().FindByCode(code);
    if (!model) return;  // callers pass catalogued codes only
    TALL& all = All();
    all.ModelName = model->Name;
    all.ModelCode = model->Code;
    all.ChannelCount = model->ChannelCount;
    all.ModelFullMask = model->FullMask;
    if (writeRecord) WriteModelIdent();
}

void BandsFromModel() {
    const TMacType* model = MacList().FindByCode(All().ModelCode);
    if (!model) return;
    const bool same = model->DefaultMask == model->FullMask;
    for (int i = 0; i < Layout::Bands; ++i) All().Band[i] = model->GetBand(i, same);
    All().BandMask = same ? model->FullMask : model->DefaultMask;
}

void WriteModelIdent() {
    TALL& all = All();
    all.Image[Layout::ModelIdent] = Layout::IdentMarker;
    for (int i = 0; i < 4; ++i)
        all.Image[Layout::IdentModelCode + i] =
            i < static_cast<int>(all.ModelCode.size()) ? static_cast<std::uint8_t>(all.ModelCode[i]) : ' ';
    all.Image[Layout::IdentManualFreq] = all.ManualFreq;
    all.Image[Layout::IdentBandMask] = all.BandMask;
    all.Image[Layout::IdentEnd] = 0;
}

void WriteBandTable() {
    for (int i = 0; i < Layout::Bands; ++i) {
        const TBand& band = All().Band[i];
        WriteImageU32(BandLo(i), static_cast<std::uint32_t>(std::llround(band.Lo * 100000.0)));
        WriteImageU32(BandHi(i), static_cast<std::uint32_t>(std::llround(band.Hi * 100000.0)));
    }
}

void DeriveBands() {
    TALL& all = All();
    std::uint8_t a = all.Image[Layout::IdentBandMask] & all.ModelFullMask;
    if (a == 0) a = all.ModelFullMask;
    const TMacType* model = MacList().FindByCode(all.ModelCode);
    for (int i = 0; i < Layout::Bands; ++i) {
        const int f = (a >> (2 * i)) & 3;
        const TBand limit = model ? model->GetBandLimit(i) : TBand{};
        if (f == 0) {
            all.Band[i] = {0, 0};
            continue;
        }
        if (f == 1) {
            const double lo = StoredBandEdge(BandLo(i)), hi = StoredBandEdge(BandHi(i));
            const bool valid = lo <= hi && limit.Lo <= lo && lo <= limit.Hi && limit.Lo <= hi && hi <= limit.Hi;
            if (valid) {
                all.Band[i] = {lo, hi};
                continue;
            }
        }
        // Full limits, also for a restricted band whose stored edges do not fit.
        all.Band[i] = limit;
        a = static_cast<std::uint8_t>(a | (3 << (2 * i)));
    }
    all.BandMask = a;

    std::string text;
    for (const TBand& band : all.Band)
        if (band.Lo != 0) text += FormatFrequency(band.Lo) + " - " + FormatFrequency(band.Hi) + "/";
    if (!text.empty()) text.pop_back();
    all.BandText = text + "MHz";
}

void DeriveOnFirstShow() {
    ResetImage();
    BandsFromModel();
    ApplyModel(All().ModelCode, true);
    WriteBandTable();
    DeriveBands();
}

void DeriveOnNew() {
    ResetImage();
    ApplyModel(All().ModelCode, true);
    WriteBandTable();
    DeriveBands();
}

void DeriveOnOpen(const std::string& modelCode) {
    CheckSettings();
    ApplyModel(modelCode, false);
    DeriveBands();
    WriteBandTable();
}

void DeriveOnRead(const std::string& modelCode, std::uint8_t bandByte) {
    TALL& all = All();
    if (all.ManualFreqAllowed == 0) all.Image[Layout::IdentManualFreq] = Layout::ManualFreqNo;
    all.ManualFreq = all.Image[Layout::IdentManualFreq];
    if (bandByte != 0xFF) all.Image[Layout::IdentBandMask] = bandByte & 0x55;
    CheckSettings();
    ApplyModel(modelCode, false);
    DeriveBands();
    all.BandMask &= 0x55;
    WriteBandTable();
    WriteModelIdent();
}
