#pragma once
// The words the channel windows show for a channel's fields: the grid's column
// table and the items of the choice lists. A list's item index is the record
// value, so the order of the items is part of the data format. The windows
// localise these; the command-line tool shows them as they are.

#include <array>
#include <string>
#include <vector>

// The grid's column table: "shown-alignment-type=width@title", one entry per
// column number 1 to 20.
extern const std::array<const char*, 20> ColumnTable;
std::string ColumnTitle(int columnNumber);  // "RX Frequency"; "|" kept as written

// Items of the list of a list column (9 to 17), empty for other columns.
const std::vector<std::string>& ListItems(int columnNumber);
// The window control that holds that list in the grid ("cxPwrv", …).
const char* ListName(int columnNumber);

const std::vector<std::string>& ToneChoiceTexts();  // "None", then the 262 tones
const std::vector<std::string>& DuplexItems();      // frequency-mode records
const std::vector<std::string>& StepItems();        // the tuning step setting
