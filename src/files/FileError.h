#pragma once
#include <stdexcept>
#include <string>

// A file could not be read or written; the message names the path and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot <action> "<path>": <reason of errno>"
FileError FileErrorFromErrno(const std::string& action, const std::string& path, int err);
