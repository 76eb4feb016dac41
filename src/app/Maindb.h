#pragma once
#include <string>

// The start-up data module: number format, the global objects with their
// start-up values, the built-in model, the settings file and the messages.
void StartDataModule(const std::string& programDir);
