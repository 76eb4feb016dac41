// rk40cli: RK-40 data files and radios from the command line, on the same
// core and link code as the desktop program.

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>

#include "ChannelEdits.h"
#include "ImageDump.h"
#include "RadioTransfer.h"
#include "core/BitCodec.h"
#include "core/DataModule.h"
#include "core/Derivation.h"
#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileError.h"
#include "files/SafeFile.h"
#include "files/SetLanguage.h"
#include "files/SettingsFile.h"

namespace {

constexpr int ExitOk = 0, ExitFailure = 1, ExitUsage = 2;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program's start-up and a new image, as the desktop program has them.
void StartUp(const std::string& programDir) {
    InitDataModule(programDir);
    LoadSettings();
    LoadMessageTable(All().LanguageName);
    All().ModelCode = MacList().GetItem(0)->Code;
    DeriveOnFirstShow();
}

void Open(const std::string& path) {
    try {
        if (OpenDataFile(path) == OpenResult::ModelWrong) throw Failure(path + ": " + Lang().ModError);
    } catch (const FileError& e) {
        throw Failure(e.what());
    }
}

void Save(const std::string& path) {
    try {
        SaveDataFile(path);
    } catch (const FileError& e) {
        throw Failure(e.what());
    }
}

// "5", "1-16"
std::pair<int, int> ChannelRange(const std::string& text) {
    const auto dash = text.find('-');
    try {
        std::size_t used = 0;
        const int first = std::stoi(text.substr(0, dash), &used);
        if (used != (dash == std::string::npos ? text.size() : dash)) throw std::invalid_argument(text);
        int last = first;
        if (dash != std::string::npos) {
            last = std::stoi(text.substr(dash + 1), &used);
            if (used != text.size() - dash - 1) throw std::invalid_argument(text);
        }
        if (first < 1 || last > All().ChannelCount || first > last)
            throw UsageError("channels are numbered 1 to " + std::to_string(All().ChannelCount) + ": \"" + text + "\"");
        return {first, last};
    } catch (const std::logic_error&) {
        throw UsageError("not a channel or a range of channels: \"" + text + "\"");
    }
}

int Info(const std::string& file) {
    Open(file);
    const Json d = DumpImage();
    std::cout << "Model:          " << d["model"]["name"].get<std::string>() << " (" << d["model"]["code"].get<std::string>()
              << ")\n"
              << "Bands:          " << d["bandText"].get<std::string>() << "\n"
              << "Write time:     " << d["writeTime"].get<std::string>() << "\n"
              << "Serial number:  " << d["serialNumber"].get<std::string>() << "\n"
              << "Channels:       " << d["channels"].size() << " of " << All().ChannelCount << " in use\n";
    return ExitOk;
}

int Set(const std::string& file, const std::string& out, const std::vector<std::string>& args) {
    Open(file);
    std::pair<int, int> range{0, 0};
    bool any = false;
    for (const std::string& arg : args) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            range = ChannelRange(arg);
            continue;
        }
        if (range.first == 0) throw UsageError("name the channel before \"" + arg + "\"");
        const int column = FieldColumn(arg.substr(0, eq));
        if (column < 0) throw UsageError("unknown field \"" + arg.substr(0, eq) + "\"; fields: " + FieldNames());
        for (int channel = range.first; channel <= range.second; ++channel) {
            const std::string warning = ApplyEdit(channel, column, arg.substr(eq + 1));
            if (!warning.empty()) std::cerr << "rk40cli: " << warning << "\n";
        }
        any = true;
    }
    if (!any) throw UsageError("nothing to set: give a channel and FIELD=VALUE");
    Save(out.empty() ? file : out);
    return ExitOk;
}

std::string Hex(std::uint8_t b) {
    char s[4];
    std::snprintf(s, sizeof s, "%02X", b);
    return s;
}

int Diff(const std::string& a, const std::string& b) {
    Open(a);
    const auto imageA = All().Image;
    const Json dumpA = DumpImage();
    Open(b);
    const auto imageB = All().Image;
    const Json dumpB = DumpImage();

    int differences = 0;
    auto channelsOf = [](const Json& d) {
        std::map<int, Json> m;
        for (const Json& c : d["channels"]) m[c["No."].get<int>()] = c;
        return m;
    };
    const auto ca = channelsOf(dumpA), cb = channelsOf(dumpB);
    for (int n = 1; n <= All().ChannelCount; ++n) {
        const bool inA = ca.count(n), inB = cb.count(n);
        if (!inA && !inB) continue;
        if (inA != inB) {
            std::cout << "channel " << n << ": " << (inA ? "only in " + a : "only in " + b) << "\n";
            ++differences;
            continue;
        }
        for (const auto& [key, value] : ca.at(n).items())
            if (cb.at(n)[key] != value) {
                std::cout << "channel " << n << ": " << key << " " << value.dump() << " -> " << cb.at(n)[key].dump() << "\n";
                ++differences;
            }
    }
    // Everything outside the memory channels and their bitmaps, byte by byte.
    auto channelArea = [](std::size_t o) {
        return (o >= Layout::ChannelBase && o < Layout::ChannelOffset(Layout::VfoA)) ||
               (o >= Layout::BitmapOrigin && o < Layout::BitmapOrigin + 32);
    };
    for (std::size_t o = DataFileLayout::HeaderSize; o < DataFileLayout::FileSize; ++o)
        if (!channelArea(o) && imageA[o] != imageB[o]) {
            std::cout << "offset " << o << " (0x" << Hex(std::uint8_t(o >> 8)) << Hex(std::uint8_t(o)) << "): "
                      << Hex(imageA[o]) << " -> " << Hex(imageB[o]) << "\n";
            ++differences;
        }
    return differences == 0 ? ExitOk : ExitFailure;
}

int Read(const std::string& port, const std::string& out) {
    if (!ReadFromRadio(port)) return ExitFailure;
    Save(out);
    return ExitOk;
}

int Write(const std::string& file, const std::string& port, bool force) {
    Open(file);
    return WriteToRadio(port, force) ? ExitOk : ExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    CLI::App cli{"RK-40 data files and radios from the command line.", "rk40cli"};
    cli.require_subcommand(1);

    std::string file, fileB, out, port;
    bool json = false, force = false;
    std::vector<std::string> edits;

    auto* info = cli.add_subcommand("info", "Model, bands, write time, serial number and channels in use of a file.");
    info->add_option("FILE", file, "data file")->required();
    auto* create = cli.add_subcommand("new", "A new data file, as New makes it.");
    create->add_option("-o,--output", out, "the file to write")->required();
    auto* dump = cli.add_subcommand("dump", "Everything a user can see of a file.");
    dump->add_option("FILE", file, "data file")->required();
    dump->add_flag("--json", json, "one JSON document instead of a table");
    auto* set = cli.add_subcommand("set", "Edit memory channels as the grid does, e.g. 5 rx=145.0 1-16 power=Low.");
    set->add_option("FILE", file, "data file")->required();
    set->add_option("-o,--output", out, "write here instead of FILE");
    set->add_option("EDITS", edits, "CHANNEL or FIRST-LAST, then FIELD=VALUE...; fields: " + FieldNames())->required();
    auto* diff = cli.add_subcommand("diff", "What differs between two data files (exit 0 equal, 1 different).");
    diff->add_option("A", file, "first data file")->required();
    diff->add_option("B", fileB, "second data file")->required();
    auto* read = cli.add_subcommand("read", "Read the radio into a data file.");
    read->add_option("-p,--port", port, "COMn (as the program maps it) or a device path")->required();
    read->add_option("-o,--output", out, "the file to write")->required();
    auto* write = cli.add_subcommand("write", "Write a data file into the radio.");
    write->add_option("FILE", file, "data file")->required();
    write->add_option("-p,--port", port, "COMn (as the program maps it) or a device path")->required();
    write->add_flag("--force", force, "answer Yes when the radio is another model with as many channels");

    try {
        cli.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        cli.exit(e);
        return ExitUsage;
    }

    try {
        StartUp(QCoreApplication::applicationDirPath().toStdString() + "/");
        if (*info) return Info(file);
        if (*create) {
            Save(out);
            return ExitOk;
        }
        if (*dump) {
            Open(file);
            const Json d = DumpImage();
            std::cout << (json ? d.dump(2) + "\n" : DumpText(d));
            return ExitOk;
        }
        if (*set) return Set(file, out, edits);
        if (*diff) return Diff(file, fileB);
        if (*read) return Read(port, out);
        if (*write) return Write(file, port, force);
    } catch (const UsageError& e) {
        std::cerr << "rk40cli: " << e.what() << "\n";
        return ExitUsage;
    } catch (const std::exception& e) {
        std::cerr << "rk40cli: " << e.what() << "\n";
        return ExitFailure;
    }
    return ExitUsage;
}
