#include "Maindb.h"

#include <QLocale>

#include "core/DataModule.h"
#include "core/Globals.h"
#include "files/SetLanguage.h"
#include "files/SettingsFile.h"

void StartDataModule(const std::string& programDir) {
    // Number editors of the windows show "." as the decimal separator too.
    QLocale::setDefault(QLocale::c());
    InitDataModule(programDir);
    LoadSettings();
    LoadMessageTable(All().LanguageName);
}
