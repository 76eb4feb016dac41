#include "Windows.h"

#include "MainFrm.h"
#include "ui/CommandTags.h"
#include "ui/channels/ChsEdit.h"
#include "ui/channels/ChsInfo.h"

void InstallWindows(TfMainFrm& main) {
    main.RegisterEditor(CmdMemoryChannels, [](TfMainFrm& m) { return new TfChsInfo(m); });
    main.RegisterEditor(CmdChannelEdit, [](TfMainFrm& m) { return new TfChsEdit(m); });
}
