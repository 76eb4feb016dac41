#include "DataModule.h"

#include "Globals.h"

void InitDataModule(const std::string& programDir) {
    CreateGlobalObjects();
    TALL& all = All();
    all.ProgramDir = programDir;
    if (!all.ProgramDir.empty() && all.ProgramDir.back() != '/') all.ProgramDir += '/';
    all.TestMenu = 0;
    all.DtmfDecodePage = 1;
    all.BaudRate = 2400;
    all.CurrentChannel = 1;
    all.FmLower = 74.0;
    all.FmUpper = 114.0;
    all.LanguageMenu = 1;
    all.ManualFreqAllowed = 1;
    RegisterBuiltInModel();
}
