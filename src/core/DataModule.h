#pragma once
// Start-up values the data module assigns before anything else runs.

#include <string>

// Creates the global objects afresh and sets the data module's own start-up
// values, then registers the built-in model. Settings and messages are loaded
// by the caller (they live with the files code).
void InitDataModule(const std::string& programDir);
