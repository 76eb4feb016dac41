#pragma once
class TfMainFrm;

// Registers every editor window and modal dialog of the program with the main
// window, by command tag.
void InstallWindows(TfMainFrm& main);
