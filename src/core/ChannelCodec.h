#pragma once
// The 32-byte channel record: memory channels 1..128 and the two
// frequency-mode records 129 and 130, plus the FM preset table.

#include <string>

#include "AllClass.h"

// Column numbers: one numbering of the channel fields shared with the grid.
enum ChannelColumn : int {
    ColNumber = 1,
    ColRxFreq = 2,
    ColTxFreq = 3,
    ColOffset = 4,
    ColDupWay = 5,
    ColRxTone = 6,
    ColTxTone = 7,
    ColRevs = 8,
    ColPower = 9,
    ColWide = 10,
    ColScan = 11,
    ColBusyLock = 12,
    ColVox = 13,
    ColVoiceMode = 14,
    ColEpilogue = 15,
    ColPttId = 16,
    ColDtmf = 17,
    ColName = 18,
    ColIdCode = 19,
    ColMore = 20,
};

bool IsFrequencyModeRecord(int index);

// Encodes one field from its text and replaces the text by its normalised form.
void SetChannelColumn(int index, int column, std::string& text);
// Creates memory channel `index` with default values at the given receive frequency.
void InitChannel(int index, const std::string& rxText);
// False for a memory channel that does not exist; otherwise fills `channel`
// and writes the normalised record back into the image.
bool DecodeChannel(int index, TChannel& channel);

// FM entry n (1..25 presets, 32 the tuned frequency) in MHz, -1 when absent.
double GetFmPreset(int n);
std::string SetFmPreset(int n, const std::string& text);
