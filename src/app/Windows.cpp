#include "Windows.h"

#include "MainFrm.h"

void InstallWindows(TfMainFrm&) {}
