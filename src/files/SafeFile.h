#pragma once
// Whole-file writes that never destroy the previous file: the new content goes
// to a temporary file beside the target, is flushed to disk, and only then
// renamed over the target. On any failure the old file is left as it was and
// a FileError says why.

#include <string>
#include <string_view>

void WriteFileSafely(const std::string& path, std::string_view content);

// The whole file, or at most `limit` bytes of it; throws FileError.
std::string ReadFileBytes(const std::string& path, std::size_t limit);
