#pragma once
#include <string>

// Reads the radio into the image, or writes the image to it, through the same
// sessions as the dialogs. Messages go to stderr; a progress bar too when it
// is a terminal. True on success.
bool ReadFromRadio(const std::string& port);
bool WriteToRadio(const std::string& port, bool force);
