#pragma once
// The four process-wide objects. They are created once, in this order, by the
// start-up data module and live until the program ends. Tests call
// CreateGlobalObjects() to start again from a freshly created state.

#include "AllClass.h"
#include "MacType.h"

void CreateGlobalObjects();

TMacList& MacList();
TALL& All();
TChannel& Channel();
TLanguage& Lang();
