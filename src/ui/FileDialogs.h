#pragma once
// The open and save dialogs for data files ("Data File(*.dat)", extension dat).
// Tests replace the chooser; an empty result means the user cancelled.

#include <QString>
#include <functional>

class QWidget;

QString ChooseDataFileToOpen(QWidget* parent);
QString ChooseDataFileToSave(QWidget* parent);

using FileChooser = std::function<QString(bool save)>;
void SetFileChooser(FileChooser chooser);
