#include "DataFile.h"

#include <algorithm>

#include "FileError.h"
#include "SafeFile.h"
#include "core/Derivation.h"
#include "core/Globals.h"

namespace F = DataFileLayout;

namespace {

void PutField(DataFileHeader& header, std::size_t at, const std::string& text) {
    const std::string padded = text + "     ";
    std::copy_n(padded.begin(), 4, header.begin() + at);
}

}  // namespace

void BuildHeader(DataFileHeader& header, const std::string& modelCode, const std::string& vendorCode) {
    header.fill(0xFF);
    header[0] = F::Marker;
    PutField(header, F::ModelCodeAt, modelCode);
    PutField(header, F::VendorCodeAt, vendorCode);
    PutField(header, F::BlanksAt, "");
}

std::string ParseHeader(const DataFileHeader& header) {
    return std::string(header.begin() + F::ModelCodeAt, header.begin() + F::ModelCodeAt + 4);
}

void SaveDataFile(const std::string& path) {
    TALL& all = All();
    DataFileHeader header;
    BuildHeader(header, all.ModelCode, all.VendorCode);
    std::string content(header.begin(), header.end());
    content.append(all.Image.begin() + F::HeaderSize, all.Image.begin() + F::FileSize);
    WriteFileSafely(path, content);
    all.Modified = 0;
}

OpenResult OpenDataFile(const std::string& path) {
    const std::string data = ReadFileBytes(path, F::FileSize);
    if (data.size() < F::HeaderSize) return OpenResult::ModelWrong;
    DataFileHeader header;
    std::copy_n(data.begin(), F::HeaderSize, header.begin());
    const std::string code = ParseHeader(header);
    if (!MacList().FindByCode(code)) return OpenResult::ModelWrong;
    // A file cut short would leave the previous configuration's bytes in the
    // image; refuse it unless only the uninterpreted tail is missing.
    if (data.size() < F::MinimumSize)
        throw FileError("\"" + path + "\" is not a complete data file: it holds " + std::to_string(data.size()) +
                        " of " + std::to_string(F::FileSize) + " bytes.");

    TALL& all = All();
    std::copy(data.begin() + F::HeaderSize, data.end(), all.Image.begin() + F::HeaderSize);
    std::fill(all.Image.begin() + data.size(), all.Image.begin() + F::FileSize, 0xFF);
    DeriveOnOpen(code);
    all.Modified = 0;
    return OpenResult::Opened;
}
