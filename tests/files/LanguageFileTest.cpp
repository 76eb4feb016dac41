#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/DataModule.h"
#include "core/Globals.h"
#include "files/IniFile.h"
#include "files/SetLanguage.h"

class LanguageTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override { InitDataModule(dir.Dir()); }
};

TEST_F(LanguageTest, MissingFileGivesTheEnglishTable) {
    LoadMessageTable("Nowhere");
    const TLanguage& l = Lang();
    EXPECT_EQ(l.Confirmation, "Confirmation");
    EXPECT_EQ(l.ErrRange, "The frequecy number come amiss!");
    EXPECT_EQ(l.Info, " Information");
    EXPECT_EQ(l.PortError, "Cannot Open Commcmication Port.");
    EXPECT_EQ(l.Close, "Closed");
    EXPECT_EQ(l.Modforce, "Do you wish to Force write data?");
    EXPECT_EQ(MessageKeys().size(), 22u);
    for (const MessageKey& m : MessageKeys()) EXPECT_EQ(l.*m.field, m.english) << m.key;
}

TEST_F(LanguageTest, FileTextsReplaceTheDefaults) {
    // UTF-8 with a byte-order mark; keys in any case
    TempDir::Write(dir / "Deutsch.Ini",
                   "\xEF\xBB\xBF[Language]\ncomerror=Bitte alle Verbindungen prüfen.\nReadOk=Lesen beendet.\n"
                   "[fMainFrm]\nN1.Caption=&Neu\n");
    LoadMessageTable("Deutsch");
    EXPECT_EQ(Lang().ComError, "Bitte alle Verbindungen prüfen.");
    EXPECT_EQ(Lang().ReadOk, "Lesen beendet.");
    EXPECT_EQ(Lang().WriteOk, "Writing Completed.");
    const IniFile file(LanguageFilePath("Deutsch"));
    EXPECT_EQ(file.ReadString("FMAINFRM", "n1.caption", "&New"), "&Neu");
    EXPECT_EQ(file.ReadString("fMainFrm", "O1.Caption", "&Open"), "&Open");
}

TEST_F(LanguageTest, LanguageListsComeFromTheSettingsFile) {
    std::vector<std::string> display{"old"}, files;
    LoadLanguageList(display, files);
    EXPECT_EQ(files, (std::vector<std::string>{"English", "Chinese"}));
    EXPECT_EQ(display, (std::vector<std::string>{"old", "English", "Chinese"})) << "items are appended";

    TempDir::Write(dir / "SysInfo.Ini",
                   "[SysInfo]\nLanguage=English|Chinese|Deutsch\nDeutsch=Englisch|Chinesisch|Deutsch\n"
                   "English=English|Chinese|German\n");
    All().LanguageName = "Deutsch";
    display.clear();
    files.clear();
    LoadLanguageList(display, files);
    EXPECT_EQ(files, (std::vector<std::string>{"English", "Chinese", "Deutsch"}));
    EXPECT_EQ(display, (std::vector<std::string>{"Englisch", "Chinesisch", "Deutsch"}));
}
