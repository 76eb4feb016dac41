#pragma once
// What a committed edit of a memory channel does, the same from the grid, the
// channel edit window and the command-line tool: frequency checks against the
// bands, creating a channel from its receive frequency, normalised texts.

#include <string>

// A frequency text the radio can take: an entry that is not a number or lies
// in no enabled band becomes the first band's lower edge, and `replaced` says so.
std::string CheckedFrequencyText(const std::string& text, bool& replaced);

// Receive frequency: empty deletes the channel; a new channel gets the
// defaults. Returns the shown text ("" after a delete).
std::string CommitReceive(int channel, const std::string& text, bool& replaced);
// Transmit frequency: empty means receive only.
std::string CommitTransmit(int channel, const std::string& text, bool& replaced);
// Name and ID code: trailing blanks dropped, then as the codec stores them.
std::string CommitText(int channel, int column, const std::string& text);
// A tone text as typed or picked; "" or `noneText` means no tone. Returns the
// text to show (`noneText` for none).
std::string CommitTone(int channel, int column, const std::string& text, const std::string& noneText);
// A list column's item index.
void CommitListValue(int channel, int column, int index);
