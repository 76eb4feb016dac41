#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/DataModule.h"
#include "core/Globals.h"
#include "files/SettingsFile.h"

class SettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override { InitDataModule(dir.Dir()); }
    void WriteSettings(const std::string& text) { TempDir::Write(dir / "SysInfo.Ini", text); }
};

TEST(SplitList, Rules) {
    using V = std::vector<std::string>;
    struct Case {
        const char* text;
        V items;
    } cases[] = {
        {"English|Chinese", {"English", "Chinese"}},
        {"  English | Chinese", {"English", "Chinese"}},
        {"\"Simplified Chinese\"|English", {"Simplified Chinese", "English"}},
        {"\"say \"\"hi\"\"\"|x", {"say \"hi\"", "x"}},
        {"\"a|b\"|c", {"a|b", "c"}},
        {"two words", {"two", "words"}},  // a blank ends an unquoted item
        {"a||b", {"a", "", "b"}},
        {"a|", {"a", ""}},
        {"", {}},
        {"   ", {}},
        {"\"unclosed", {"unclosed"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitList(c.text), c.items) << c.text;
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndExitCreatesIt) {
    LoadSettings();
    EXPECT_EQ(All().PortName, "Com1");
    EXPECT_EQ(All().LanguageId, 0);
    EXPECT_EQ(All().LanguageName, "English");
    EXPECT_EQ(All().SnIndex, 0);
    EXPECT_EQ(All().SnNumS, 1);
    EXPECT_EQ(All().SnStart, "");
    All().PortName = "COM1";
    SaveSettings();
    const std::string text = TempDir::Read(dir / "SysInfo.Ini");
    for (const char* line : {"Com=COM1", "Language_ID=0", "SN_Start=", "SN_Index=0", "SN_NumS=1"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(SettingsTest, ValuesAndRepairs) {
    struct Case {
        const char* file;
        const char* port;
        int languageId;
        const char* languageName;
        int snIndex, snNumS;
    } cases[] = {
        {"[SysInfo]\nCom=COM3\nLanguage_ID=1\nSN_Index=42\nSN_NumS=5\n", "COM3", 1, "Chinese", 42, 5},
        {"[sysinfo]\ncom=com7\nlanguage_id=1\n", "com7", 1, "Chinese", 0, 1},  // case does not matter
        {"[SysInfo]\nSN_NumS=0\nSN_Index=abc\n", "Com1", 0, "English", 0, 1},
        {"[SysInfo]\nSN_NumS=x\nSN_Index=4294967301\n", "Com1", 0, "English", 5, 1},  // low 32 bits
        {"[SysInfo]\nLanguage_ID=1\nLanguage_SW=English\n", "Com1", 0, "English", 0, 1},
        {"[SysInfo]\nLanguage_ID=two\n", "Com1", 0, "English", 0, 1},
        {"[SysInfo]\nLanguage_ID=5\n", "Com1", 0, "English", 0, 1},
        {"[SysInfo]\nLanguage_ID=-1\n", "Com1", 0, "English", 0, 1},
        {"[SysInfo]\nLanguage_ID=2\nLanguage_SW=English|Chinese|\"Deutsch Neu\"\n", "Com1", 2, "Deutsch Neu", 0, 1},
        {"garbage without sections = \n\x01\x02[[[", "Com1", 0, "English", 0, 1},
    };
    for (const auto& c : cases) {
        InitDataModule(dir.Dir());
        WriteSettings(c.file);
        LoadSettings();
        EXPECT_EQ(All().PortName, c.port) << c.file;
        EXPECT_EQ(All().LanguageId, c.languageId) << c.file;
        EXPECT_EQ(All().LanguageName, c.languageName) << c.file;
        EXPECT_EQ(All().SnIndex, c.snIndex) << c.file;
        EXPECT_EQ(All().SnNumS, c.snNumS) << c.file;
    }
}

TEST_F(SettingsTest, SavingKeepsEverythingElse) {
    WriteSettings(
        "; settings of the programming software\n"
        "[SysInfo]\n"
        "; the cable\n"
        "Com=COM2\n"
        "Language=English|Chinese\n"
        "English=English|Chinese\n"
        "SN_NumS=0\n"
        "[Ports]\n"
        "COM3=/dev/ttyUSB0\n");
    LoadSettings();
    All().PortName = "COM4";
    All().SnIndex = 9;
    SaveSettings();
    const std::string text = TempDir::Read(dir / "SysInfo.Ini");
    for (const char* kept : {"; settings of the programming software", "; the cable", "Language=English|Chinese",
                             "English=English|Chinese", "[Ports]", "COM3=/dev/ttyUSB0", "Com=COM4",
                             "SN_Index=9", "SN_NumS=1"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in\n" << text;
    EXPECT_EQ(text.find("COM2"), std::string::npos);
}

TEST_F(SettingsTest, AnUnwritableSettingsFileRaises) {
    std::filesystem::create_directory(dir / "SysInfo.Ini");
    EXPECT_ANY_THROW(SaveSettings());
}
