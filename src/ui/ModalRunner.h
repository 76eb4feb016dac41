#pragma once
// Modal dialogs are shown through RunModal so that tests can drive them: a
// test installs a driver that works the dialog's real controls and returns.

#include <QDialog>
#include <functional>

int RunModal(QDialog& dialog);

using ModalDriver = std::function<int(QDialog&)>;
// Replaces exec(); an empty function restores it.
void SetModalDriver(ModalDriver driver);
