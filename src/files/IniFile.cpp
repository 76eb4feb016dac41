#include "IniFile.h"

// The Debian package ships SimpleIni without its UTF conversion helper; we keep
// texts as UTF-8 bytes, so no conversion is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "SafeFile.h"

struct IniFile::Impl {
    CSimpleIniA ini{/*utf8*/ true, /*multiKey*/ false, /*multiLine*/ false};
    // Written as "key=value", the way these files have always looked.
    Impl() { ini.SetSpaces(false); }
};

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
    try {
        const std::string data = ReadFileBytes(path_, 16 * 1024 * 1024);
        impl_->ini.LoadData(data.data(), data.size());
    } catch (const std::exception&) {
        // Missing or unreadable: every key takes its default.
    }
}

IniFile::~IniFile() = default;

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
    const char* value = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : def;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

void IniFile::Save() const {
    std::string text;
    impl_->ini.Save(text);
    WriteFileSafely(path_, text);
}
