#include "ImageDump.h"

#include <iomanip>
#include <sstream>

#include "core/BitCodec.h"
#include "core/ChannelCodec.h"
#include "core/ChannelVocabulary.h"
#include "core/FrequencyCodec.h"
#include "core/Globals.h"
#include "core/TextCodecs.h"

namespace {

std::string ListText(int column, int value) {
    const auto& items = ListItems(column);
    return value >= 0 && value < static_cast<int>(items.size()) ? items[value] : std::to_string(value);
}

std::string Tone(const std::string& t) { return t.empty() ? ToneChoiceTexts()[0] : t; }

Json FrequencyMode(int record, const char* name) {
    TChannel ch;
    DecodeChannel(record, ch);
    Json j;
    j["Record"] = name;
    j["Frequency[MHz]"] = FormatFrequency(ch.RxFreq);
    j["Offset Freq.[MHz]"] = FormatFrequency(ch.Offset);
    j["Duplex"] = DuplexItems().at(ch.DupWay);
    j["QT/DQT Decode"] = Tone(ch.RxTone);
    j["QT/DQT Encode"] = Tone(ch.TxTone);
    j["Wide/Narrow"] = ListText(ColWide, ch.Wide);
    j["TX Power"] = ListText(ColPower, ch.Power);
    j["PTT ID"] = ListText(ColPttId, ch.PttId);
    j["Busy Lock"] = ch.BusyLock == 0;
    j["Epilogue"] = ch.Epilogue == 1;
    j["Vox"] = ch.Vox == 0;
    j["Ani"] = ch.Dtmf == 0;
    j["Voice Mode"] = ListText(ColVoiceMode, ch.VoiceMode);
    return j;
}

}  // namespace

Json DumpChannel(int channel) {
    TChannel ch;
    if (!DecodeChannel(channel, ch)) return nullptr;
    Json j;
    j[ColumnTitle(ColNumber)] = channel;
    j[ColumnTitle(ColRxFreq)] = FormatFrequency(ch.RxFreq);
    j[ColumnTitle(ColTxFreq)] = ch.TxFreq == -1 ? "" : FormatFrequency(ch.TxFreq);
    j[ColumnTitle(ColRxTone)] = Tone(ch.RxTone);
    j[ColumnTitle(ColTxTone)] = Tone(ch.TxTone);
    j[ColumnTitle(ColPower)] = ListText(ColPower, ch.Power);
    j[ColumnTitle(ColWide)] = ListText(ColWide, ch.Wide);
    j[ColumnTitle(ColScan)] = ListText(ColScan, ch.ScanFlag);
    j[ColumnTitle(ColBusyLock)] = ListText(ColBusyLock, ch.BusyLock);
    j[ColumnTitle(ColVox)] = ListText(ColVox, ch.Vox);
    j[ColumnTitle(ColEpilogue)] = ListText(ColEpilogue, ch.Epilogue);
    j[ColumnTitle(ColPttId)] = ListText(ColPttId, ch.PttId);
    j[ColumnTitle(ColDtmf)] = ListText(ColDtmf, ch.Dtmf);
    j[ColumnTitle(ColName)] = ch.Name;
    j[ColumnTitle(ColIdCode)] = ch.IdCode;
    j[ColumnTitle(ColVoiceMode)] = ListText(ColVoiceMode, ch.VoiceMode);
    return j;
}

Json DumpImage() {
    const TALL& all = All();
    Json d;
    d["model"] = {{"name", all.ModelName}, {"code", all.ModelCode}};
    Json bands = Json::array();
    for (int i = 0; i < Layout::Bands; ++i)
        if (all.Band[i].Lo != 0)
            bands.push_back({{"band", i + 1}, {"low", FormatFrequency(all.Band[i].Lo)}, {"high", FormatFrequency(all.Band[i].Hi)}});
    d["bands"] = bands;
    d["bandText"] = all.BandText;
    d["writeTime"] = FormatWriteTime(&all.Image[Layout::WriteTime]);
    std::string serial;
    for (std::size_t i = 0; i < Layout::SerialNumberLength; ++i) serial += SerialChar(all.Image[Layout::SerialNumber + i]);
    d["serialNumber"] = serial.substr(0, serial.find_last_not_of(' ') + 1);

    Json channels = Json::array();
    for (int n = 1; n <= all.ChannelCount; ++n)
        if (Json c = DumpChannel(n); !c.is_null()) channels.push_back(std::move(c));
    d["channels"] = std::move(channels);

    Json modes;
    modes["Freq. Step[KHz]"] = StepItems().at(std::min<int>(GetSetting(9, 0x0F), 9));
    modes["records"] = Json::array({FrequencyMode(Layout::VfoA, "Freq_Down"), FrequencyMode(Layout::VfoB, "Freq_Up")});
    d["frequencyModes"] = std::move(modes);

    Json presets = Json::array();
    for (int n = 1; n <= Layout::FmPresets; ++n) {
        const double mhz = GetFmPreset(n);
        presets.push_back(mhz < 0 ? Json(nullptr) : Json(FormatFrequency(mhz)));
    }
    d["fm"] = {{"tuned", FormatFrequency(GetFmPreset(Layout::FmTuned))}, {"presets", std::move(presets)}};
    return d;
}

namespace {

std::string Cell(const Json& v) {
    if (v.is_string()) return v.get<std::string>();
    if (v.is_boolean()) return v.get<bool>() ? "yes" : "no";
    if (v.is_null()) return "-";
    return v.dump();
}

}  // namespace

std::string DumpText(const Json& d) {
    std::ostringstream out;
    out << "Model:          " << Cell(d["model"]["name"]) << " (" << Cell(d["model"]["code"]) << ")\n"
        << "Bands:          " << Cell(d["bandText"]) << "\n"
        << "Write time:     " << Cell(d["writeTime"]) << "\n"
        << "Serial number:  " << Cell(d["serialNumber"]) << "\n\n";

    const Json& channels = d["channels"];
    out << "Memory channels in use: " << channels.size() << "\n";
    if (!channels.empty()) {
        std::vector<std::string> keys;
        std::vector<std::size_t> widths;
        for (const auto& [key, value] : channels.front().items()) {
            keys.push_back(key);
            widths.push_back(key.size());
        }
        for (const Json& c : channels)
            for (std::size_t i = 0; i < keys.size(); ++i) widths[i] = std::max(widths[i], Cell(c[keys[i]]).size());
        for (std::size_t i = 0; i < keys.size(); ++i) out << std::left << std::setw(int(widths[i]) + 2) << keys[i];
        out << "\n";
        for (const Json& c : channels) {
            for (std::size_t i = 0; i < keys.size(); ++i)
                out << std::left << std::setw(int(widths[i]) + 2) << Cell(c[keys[i]]);
            out << "\n";
        }
    }
    out << "\nFrequency mode (step " << Cell(d["frequencyModes"]["Freq. Step[KHz]"]) << " kHz)\n";
    for (const Json& r : d["frequencyModes"]["records"]) {
        out << "  " << Cell(r["Record"]) << ":";
        for (const auto& [key, value] : r.items())
            if (key != "Record") out << "  " << key << " " << Cell(value);
        out << "\n";
    }
    out << "\nFM radio: tuned " << Cell(d["fm"]["tuned"]) << " MHz\n";
    int n = 1;
    for (const Json& p : d["fm"]["presets"]) {
        if (!p.is_null()) out << "  preset " << n << ": " << Cell(p) << " MHz\n";
        ++n;
    }
    return out.str();
}
