#pragma once
// A started program in a temporary program folder: the data module, the main
// window with every window registered, shown (so the grid is open).

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "GuiTestSupport.h"
#include "MainFrm.h"
#include "Maindb.h"
#include "Windows.h"

class MainWindowFixture {
public:
    explicit MainWindowFixture(const std::string& settings = "Com=COM1\n",
                               const std::string& languageFile = "", const std::string& languageName = "Deutsch") {
        WriteText(dir.filePath("SysInfo.Ini"), "[SysInfo]\n" + settings);
        if (!languageFile.empty()) WriteText(dir.filePath(QString::fromStdString(languageName) + ".Ini"), languageFile);
        StartDataModule(dir.path().toStdString() + "/");
        main = std::make_unique<TfMainFrm>();
        InstallWindows(*main);
        main->resize(1280, 900);
        main->show();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::unique_ptr<TfMainFrm> main;
};

// Settings that select language 1, named Deutsch.
inline const char* const GermanSettings = "Com=COM1\nLanguage_ID=1\nLanguage_SW=English|Deutsch\n";
