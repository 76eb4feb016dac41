#pragma once
// The program's own settings, SysInfo.Ini in the program's folder, section
// "SysInfo": port, language choice and the serial-number values.

#include <string>
#include <string_view>
#include <vector>

constexpr const char* SettingsFileName = "SysInfo.Ini";
constexpr const char* SettingsSection = "SysInfo";
constexpr const char* DefaultLanguageList = "English|Chinese";

std::string SettingsFilePath();

// Splits a list value: items separated by "|" or blanks; blanks and control
// characters before an item are skipped; an item in double quotes may hold
// blanks and "|", a doubled double quote standing for one.
std::vector<std::string> SplitList(std::string_view text);

void LoadSettings();
// Writes Com, Language_ID, SN_Start, SN_Index and SN_NumS; throws FileError.
void SaveSettings();
