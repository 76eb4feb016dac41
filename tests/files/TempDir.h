#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "rk40-test-XXXXXX").string();
        path_ = ::mkdtemp(templ.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string Dir() const { return path_.string() + "/"; }

    static void Write(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path path_;
};
