#include "SetLanguage.h"

#include "IniFile.h"
#include "SettingsFile.h"
#include "core/Globals.h"

const std::vector<MessageKey>& MessageKeys() {
    static const std::vector<MessageKey> keys = {
        {"Confirmation", &TLanguage::Confirmation, "Confirmation"},
        {"ExitProgram", &TLanguage::ExitProgram, "Do you wish to exit program?"},
        {"OutRange", &TLanguage::OutRange, "Frequecy is Out of range."},
        {"ErrRange", &TLanguage::ErrRange, "The frequecy number come amiss!"},
        {"Channel", &TLanguage::Channel, "Channel"},
        {"Info", &TLanguage::Info, " Information"},
        {"Caution", &TLanguage::Caution, "Caution"},
        {"SaveProgram", &TLanguage::SaveProgram, "Do you wish to save the changes?"},
        {"FileExists", &TLanguage::FileExists, "The File is exists,replace it?"},
        {"All", &TLanguage::All, "All"},
        {"Close", &TLanguage::Close, "Closed"},
        {"Open", &TLanguage::Open, "Opened"},
        {"ComError", &TLanguage::ComError, "Please check all connections and communication port settings."},
        {"ModError", &TLanguage::ModError, "Model Type Wrong."},
        {"PwdError", &TLanguage::PwdError, "Pass Word Wrong."},
        {"ModelType", &TLanguage::ModelType, "Model Type"},
        {"Frequency", &TLanguage::Frequency, "Frequency"},
        {"ReadOk", &TLanguage::ReadOk, "Reading Completed."},
        {"WriteOk", &TLanguage::WriteOk, "Writing Completed."},
        {"PortError", &TLanguage::PortError, "Cannot Open Commcmication Port."},
        {"ClearData", &TLanguage::ClearData, "Do you wish to Clear Data?"},
        {"Modforce", &TLanguage::Modforce, "Do you wish to Force write data?"},
    };
    return keys;
}

std::string LanguageFilePath(const std::string& languageName) { return All().ProgramDir + languageName + ".Ini"; }

void LoadMessageTable(const std::string& languageName) {
    const IniFile ini(LanguageFilePath(languageName));
    TLanguage& lang = Lang();
    for (const MessageKey& m : MessageKeys()) lang.*m.field = ini.ReadString("Language", m.key, m.english);
}

void LoadLanguageList(std::vector<std::string>& displayNames, std::vector<std::string>& fileNames) {
    const IniFile ini(SettingsFilePath());
    for (std::string& name : SplitList(ini.ReadString(SettingsSection, "Language", DefaultLanguageList)))
        fileNames.push_back(std::move(name));
    for (std::string& name : SplitList(ini.ReadString(SettingsSection, All().LanguageName, DefaultLanguageList)))
        displayNames.push_back(std::move(name));
}
