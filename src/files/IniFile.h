#pragma once
// INI files the way the radio software has always used them: sections and keys
// match without regard to case, values are UTF-8 (a byte-order mark is
// skipped), and writing keys keeps every other key, section and comment.

#include <memory>
#include <string>

class CSimpleIniTemplHolder;

class IniFile {
public:
    // A missing or unreadable file reads as empty.
    explicit IniFile(std::string path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Writes the file safely (see SafeFile.h); throws FileError.
    void Save() const;
    const std::string& Path() const { return path_; }

private:
    struct Impl;
    std::string path_;
    std::unique_ptr<Impl> impl_;
};
