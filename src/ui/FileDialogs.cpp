#include "FileDialogs.h"

#include <QFileDialog>

namespace {

const char* const DataFileFilter = "Data File(*.dat)";

FileChooser& Chooser() {
    static FileChooser chooser;
    return chooser;
}

QString Run(QWidget* parent, bool save) {
    if (Chooser()) return Chooser()(save);
    QFileDialog dialog(parent);
    dialog.setNameFilter(DataFileFilter);
    dialog.setDefaultSuffix("dat");
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program asks its own replace question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QString ChooseDataFileToOpen(QWidget* parent) { return Run(parent, false); }
QString ChooseDataFileToSave(QWidget* parent) { return Run(parent, true); }

void SetFileChooser(FileChooser chooser) { Chooser() = std::move(chooser); }
