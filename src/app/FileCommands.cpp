// The main window's file commands: New, Open, Save (Save As clears the file
// name first, see ExecuteCommand).

#include <filesystem>

#include "MainFrm.h"
#include "core/Derivation.h"
#include "core/Globals.h"
#include "files/DataFile.h"
#include "ui/FileDialogs.h"
#include "ui/MsgBox.h"
#include "ui/QtText.h"

namespace {

// Runs on every way out of a command, errors included.
template <typename F>
struct Finally {
    F f;
    ~Finally() { f(); }
};
template <typename F>
Finally(F) -> Finally<F>;

}  // namespace

// Offers to save modified data. False when the user asked for a save that did
// not happen (the save dialog was cancelled or the replacement refused): the
// command that asked must not throw the data away then.
bool TfMainFrm::OfferToSave() {
    if (!All().Modified) return true;
    if (ShowMsgBox(Lang().Confirmation, Lang().SaveProgram, MsgYesNo) != MsgYes) return true;
    return SaveCommand();
}

void TfMainFrm::NewData() {
    if (!OfferToSave()) return;
    FileName.clear();
    DeriveOnNew();
    UpdateStatus();
    RefreshViews(1);
    All().Modified = 0;
}

void TfMainFrm::OpenCommand() {
    if (!OfferToSave()) return;
    const QString path = ChooseDataFileToOpen(this);
    if (path.isEmpty()) return;
    OpenFile(S(path));
}

void TfMainFrm::OpenFile(const std::string& path) {
    const std::string previous = FileName;
    FileName = path;
    Finally status{[this] { UpdateStatus(); }};
    OpenResult result;
    try {
        result = OpenDataFile(FileName);
    } catch (...) {
        // Keep the name of the file the image came from, so a later Save
        // cannot write this image over the file that failed to open.
        FileName = previous;
        throw;
    }
    if (result == OpenResult::ModelWrong) {
        FileName.clear();
        ShowMsgBox(Lang().Confirmation, Lang().ModError, MsgInfo);
        return;
    }
    RefreshViews(1);
    All().Modified = 0;
}

bool TfMainFrm::SaveCommand() {
    Finally status{[this] { UpdateStatus(); }};
    if (!FileName.empty()) {
        SaveDataFile(FileName);
        return true;
    }
    const QString path = ChooseDataFileToSave(this);
    if (path.isEmpty()) return false;
    FileName = S(path);
    std::error_code ec;
    if (std::filesystem::exists(FileName, ec) &&
        ShowMsgBox(Lang().Confirmation, Lang().FileExists, MsgYesNo) != MsgYes) {
        FileName.clear();
        return false;
    }
    SaveDataFile(FileName);
    return true;
}
