#pragma once
// `set`: channel fields by the grid's column titles or short aliases, values as
// a user would type or pick them in the grid, applied through the grid's own
// commit rules.

#include <stdexcept>
#include <string>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The column number of a field name ("RX Frequency", "rx", …), or -1.
int FieldColumn(const std::string& name);
std::string FieldNames();  // for help and error texts

// Applies one edit to a memory channel. Returns a warning to show (a
// frequency replaced by the band edge), or "". Throws UsageError for a value
// the grid would not take, and for any field but rx of an empty channel.
std::string ApplyEdit(int channel, int column, const std::string& value);
