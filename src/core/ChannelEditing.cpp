#include "ChannelEditing.h"

#include "BitCodec.h"
#include "ChannelCodec.h"
#include "FrequencyCodec.h"
#include "NumberText.h"
#include "ToneCodec.h"

std::string CheckedFrequencyText(const std::string& text, bool& replaced) {
    double mhz = 0;
    replaced = CheckBandFrequency(text, mhz);
    return FormatFrequency(mhz);
}

std::string CommitReceive(int channel, const std::string& typed, bool& replaced) {
    replaced = false;
    std::string text = Trim(typed);
    if (text.empty()) {
        SetChannelColumn(channel, ColRxFreq, text);
        return "";
    }
    const bool existed = IsFlagClear(0, channel);
    text = CheckedFrequencyText(text, replaced);
    SetChannelColumn(channel, ColRxFreq, text);
    if (!existed) InitChannel(channel, text);
    return text;
}

std::string CommitTransmit(int channel, const std::string& typed, bool& replaced) {
    replaced = false;
    std::string text = Trim(typed);
    if (!text.empty()) text = CheckedFrequencyText(text, replaced);
    SetChannelColumn(channel, ColTxFreq, text);
    return text;
}

std::string CommitText(int channel, int column, const std::string& typed) {
    std::string text = typed.substr(0, typed.find_last_not_of(' ') + 1);
    SetChannelColumn(channel, column, text);
    return text;
}

std::string CommitTone(int channel, int column, const std::string& typed, const std::string& noneText) {
    const std::string t = Trim(typed);
    const bool none = t.empty() || t == noneText;
    std::string stored = none ? std::string() : NormalizeTone(t);
    const std::string shown = none ? noneText : stored;
    SetChannelColumn(channel, column, stored);
    return shown;
}

void CommitListValue(int channel, int column, int index) {
    std::string text = std::to_string(index);
    SetChannelColumn(channel, column, text);
}
