#include "SettingsFile.h"

#include "IniFile.h"
#include "core/Globals.h"
#include "core/NumberText.h"

namespace {

bool IsBlank(char c) { return c >= 1 && c <= ' '; }

std::int32_t Low32(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

}  // namespace

std::string SettingsFilePath() { return All().ProgramDir + SettingsFileName; }

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t p = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (p < n && IsBlank(text[p])) ++p;
    };
    skipBlanks();
    while (p < n && text[p] != '\0') {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const std::size_t start = p;
            while (p < n && static_cast<unsigned char>(text[p]) > ' ' && text[p] != '|') ++p;
            item.assign(text.substr(start, p - start));
        }
        items.push_back(item);
        skipBlanks();
        if (p < n && text[p] == '|') {
            if (p + 1 >= n) items.emplace_back();  // a trailing "|" ends with an empty item
            ++p;
            skipBlanks();
        }
    }
    return items;
}

void LoadSettings() {
    TALL& all = All();
    const IniFile ini(SettingsFilePath());
    auto read = [&ini](const char* key, const char* def) { return ini.ReadString(SettingsSection, key, def); };

    all.PortName = read("Com", "Com1");
    const std::string languageId = read("Language_ID", "0");
    all.SnStart = read("SN_Start", "");
    std::int64_t v = 0;
    all.SnIndex = TryParseInt64(read("SN_Index", "0"), v) ? Low32(v) : 0;
    all.SnNumS = TryParseInt64(read("SN_NumS", "1"), v) ? Low32(v) : 1;
    if (all.SnNumS == 0) all.SnNumS = 1;

    bool languageKnown = true;
    if (all.LanguageMenu) {
        languageKnown = TryParseInt64(languageId, v);
        all.LanguageId = languageKnown ? Low32(v) : 0;
    }
    const std::vector<std::string> names = SplitList(read("Language_SW", DefaultLanguageList));
    // An index with no name in the list is treated like a non-numeric one.
    if (!languageKnown || names.size() < 2 || all.LanguageId < 0 ||
        all.LanguageId >= static_cast<std::int32_t>(names.size())) {
        all.LanguageId = 0;
        all.LanguageName = "English";
    } else {
        all.LanguageName = names[all.LanguageId];
    }
}

void SaveSettings() {
    const TALL& all = All();
    IniFile ini(SettingsFilePath());
    ini.WriteString(SettingsSection, "Com", all.PortName);
    ini.WriteString(SettingsSection, "Language_ID", std::to_string(all.LanguageId));
    ini.WriteString(SettingsSection, "SN_Start", all.SnStart);
    ini.WriteString(SettingsSection, "SN_Index", std::to_string(all.SnIndex));
    ini.WriteString(SettingsSection, "SN_NumS", std::to_string(all.SnNumS));
    ini.Save();
}
