#include "ChannelVocabulary.h"

#include "ChannelCodec.h"
#include "ToneCodec.h"

const std::array<const char*, 20> ColumnTable = {
    "S-M-N=045@No.",         "S-R-R=080@RX Frequency", "S-R-T=080@TX Frequency", "N-R-O=080@Dup Frequency",
    "N-M-S=070@Dup Way",     "S-R-S=065@QT/DQT Dec",   "S-R-S=065@QT/DQT Enc",   "N-M-S=060@Revs",
    "S-M-S=065@TX Power",    "S-M-S=065@W/N",          "S-M-S=065@Scan Add",     "S-M-S=065@Busy Lock",
    "S-M-S=065@Vox",         "N-M-S=065@Voice Mode",   "S-M-S=065@Epilogue",     "S-M-S=065@PTT ID",
    "S-M-S=065@DTMF",        "S-M-E=065@NAME",         "S-M-E=065@ID Code",      "N-M-M=065@More...",
};

std::string ColumnTitle(int columnNumber) {
    if (columnNumber < 1 || columnNumber > 20) return {};
    const std::string entry = ColumnTable[columnNumber - 1];
    return entry.substr(entry.find('@') + 1);
}

namespace {
struct ListDef {
    int column;
    const char* name;
    std::vector<std::string> items;
};

const std::vector<ListDef>& Lists() {
    static const std::vector<ListDef> lists = {
        {ColPower, "cxPwrv", {"Low", "High"}},
        {ColWide, "cxBand", {"Narrow", "Wide"}},
        {ColScan, "cxScan", {"Add", "Del"}},
        {ColBusyLock, "cxBclo", {"On", "Off"}},
        {ColVox, "cxYnSw", {"Yes", "No"}},
        {ColVoiceMode, "cxApro", {"None", "Compander", "Scrambler", "Both"}},
        {ColEpilogue, "cxTail", {"Off", "On"}},
        {ColPttId, "cxPtts", {"Off", "BOT", "EOT", "Both"}},
        {ColDtmf, "cxAnis", {"ON", "OFF"}},
    };
    return lists;
}
}  // namespace

const std::vector<std::string>& ListItems(int columnNumber) {
    static const std::vector<std::string> none;
    for (const ListDef& l : Lists())
        if (l.column == columnNumber) return l.items;
    return none;
}

const char* ListName(int columnNumber) {
    for (const ListDef& l : Lists())
        if (l.column == columnNumber) return l.name;
    return "";
}

const std::vector<std::string>& ToneChoiceTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t{"None"};
        for (int i = 1; i < ToneListSize; ++i) t.push_back(ToneListItem(i));
        return t;
    }();
    return texts;
}

const std::vector<std::string>& DuplexItems() {
    static const std::vector<std::string> items = {"OFF", "+Dup", "-Dup"};
    return items;
}

const std::vector<std::string>& StepItems() {
    static const std::vector<std::string> items = {"  0.50", "  2.50", "  5.00", "  6.25", " 10.00",
                                                   " 12.50", " 25.00", " 37.50", " 50.00", "100.00"};
    return items;
}
