#include "ChannelEdits.h"

#include <algorithm>
#include <cctype>

#include "core/BitCodec.h"
#include "core/ChannelCodec.h"
#include "core/ChannelEditing.h"
#include "core/ChannelVocabulary.h"
#include "core/Globals.h"
#include "core/ImageLayout.h"

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Alias {
    const char* alias;
    int column;
};
constexpr Alias Aliases[] = {{"rx", ColRxFreq},     {"tx", ColTxFreq},   {"rxtone", ColRxTone}, {"txtone", ColTxTone},
                             {"power", ColPower},   {"bw", ColWide},     {"scan", ColScan},     {"busy", ColBusyLock},
                             {"vox", ColVox},       {"tail", ColEpilogue}, {"pttid", ColPttId}, {"dtmf", ColDtmf},
                             {"name", ColName},     {"id", ColIdCode}};
constexpr int EditableColumns[] = {ColRxFreq, ColTxFreq, ColRxTone, ColTxTone, ColPower, ColWide, ColScan,
                                   ColBusyLock, ColVox, ColEpilogue, ColPttId, ColDtmf, ColName, ColIdCode};

std::string Warning(int channel, const std::string& shown) {
    return "channel " + std::to_string(channel) + ": " + Lang().Caution + ": " + Lang().ErrRange + " (" + shown +
           " taken instead)";
}

}  // namespace

int FieldColumn(const std::string& name) {
    const std::string wanted = Lower(name);
    for (const Alias& a : Aliases)
        if (wanted == a.alias) return a.column;
    for (int column : EditableColumns)
        if (wanted == Lower(ColumnTitle(column))) return column;
    return -1;
}

std::string FieldNames() {
    std::string names;
    for (const Alias& a : Aliases) names += std::string(names.empty() ? "" : ", ") + a.alias + " (\"" + ColumnTitle(a.column) + "\")";
    return names;
}

std::string ApplyEdit(int channel, int column, const std::string& value) {
    All().Modified = 1;
    bool replaced = false;
    if (column == ColRxFreq) {
        const std::string shown = CommitReceive(channel, value, replaced);
        return replaced ? Warning(channel, shown) : "";
    }
    if (!IsFlagClear(Layout::PresentBitmap, channel))
        throw UsageError("channel " + std::to_string(channel) + " is empty: give its rx first");
    switch (column) {
        case ColTxFreq: {
            const std::string shown = CommitTransmit(channel, value, replaced);
            return replaced ? Warning(channel, shown) : "";
        }
        case ColRxTone:
        case ColTxTone: {
            const std::string none = ToneChoiceTexts()[0];
            CommitTone(channel, column, Lower(value) == Lower(none) ? none : value, none);
            return "";
        }
        case ColName:
            if (value.size() > 7) throw UsageError("a name has at most 7 characters: \"" + value + "\"");
            if (std::any_of(value.begin(), value.end(), [](char c) { return c < ' ' || c > 'z'; }))
                throw UsageError("a name takes the characters from blank to \"z\": \"" + value + "\"");
            CommitText(channel, column, value);
            return "";
        case ColIdCode:
            if (value.size() > 6 || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
                throw UsageError("an ID code has at most 6 digits: \"" + value + "\"");
            CommitText(channel, column, value);
            return "";
        default: {
            const auto& items = ListItems(column);
            for (std::size_t i = 0; i < items.size(); ++i)
                if (Lower(items[i]) == Lower(value)) {
                    CommitListValue(channel, column, static_cast<int>(i));
                    return "";
                }
            std::string choices;
            for (const std::string& item : items) choices += (choices.empty() ? "" : ", ") + item;
            throw UsageError(ColumnTitle(column) + " takes one of " + choices + ", not \"" + value + "\"");
        }
    }
}
