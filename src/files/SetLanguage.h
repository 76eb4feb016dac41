#pragma once
// Language files: <language name>.Ini in the program's folder. Section
// "Language" holds the message table; one section per window holds that
// window's captions, hints and list items.

#include <string>
#include <vector>

#include "core/AllClass.h"

struct MessageKey {
    const char* key;
    std::string TLanguage::*field;
    const char* english;
};

// The 22 messages in the order they are read from the file.
const std::vector<MessageKey>& MessageKeys();

std::string LanguageFilePath(const std::string& languageName);
void LoadMessageTable(const std::string& languageName);
// Appends the language file names (key "Language") and the display names
// (key named after the current language) from the settings file.
void LoadLanguageList(std::vector<std::string>& displayNames, std::vector<std::string>& fileNames);
