#include "ToneCodec.h"

#include <cctype>
#include <cmath>

#include "NumberText.h"
#include "TextCodecs.h"

const std::array<const char*, 50> CtcssTones = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

const std::array<const char*, 106> DcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152",
    "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245",
    "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325",
    "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431",
    "432", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523",
    "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662", "664",
    "703", "712", "723", "731", "732", "734", "743", "754"};

std::string ToneListItem(int i) {
    constexpr int ctcss = static_cast<int>(CtcssTones.size());
    constexpr int dcs = static_cast<int>(DcsCodes.size());
    if (i <= 0 || i >= ToneListSize) return "";
    if (i <= ctcss) return CtcssTones[i - 1];
    const int d = i - ctcss - 1;
    return d < dcs ? std::string("D") + DcsCodes[d] + "N" : std::string("D") + DcsCodes[d - dcs] + "I";
}

namespace {
constexpr std::uint8_t NoToneHi = 0xFF;
constexpr std::uint8_t DcsFlag = 0x80;
constexpr std::uint8_t DcsInverted = 0x40;
}  // namespace

ToneBytes EncodeTone(std::string_view text) {
    ToneBytes t;
    if (text.empty()) return t;
    if (text[0] == 'D') {
        if (text.size() < 4) throw ConversionError(std::string(text));
        const char polarity = (text.size() >= 5 && text[4] == 'I') ? 'C' : '8';
        t.lo = HexByte(text.substr(2, 2));
        t.hi = HexByte(std::string{polarity, text[1]});
        return t;
    }
    // Tenths of Hz as four packed decimal digits: 67.0 -> 0670 -> lo 0x70, hi 0x06
    const std::string digits = FormatPadded(std::llround(ParseFloat(text) * 10), 4);
    t.lo = HexByte(digits.substr(2, 2));
    t.hi = HexByte(digits.substr(0, 2));
    return t;
}

std::string DecodeTone(std::uint8_t lo, std::uint8_t hi) {
    if (hi == NoToneHi) return "";
    if (hi & DcsFlag) {
        std::string s = "D";
        s += static_cast<char>('0' + (hi & 7));
        s += static_cast<char>('0' + ((lo >> 4) & 7));
        s += static_cast<char>('0' + (lo & 7));
        s += (hi & DcsInverted) ? 'I' : 'N';
        return s;
    }
    static const char hex[] = "0123456789ABCDEF";
    const std::string packed{hex[hi >> 4], hex[hi & 15], hex[lo >> 4], hex[lo & 15]};
    return FormatFixed(static_cast<double>(ParseInt64(packed)) / 10.0, 1);
}

std::string NormalizeTone(std::string_view text) {
    if (text.empty()) return "";
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (std::isdigit(first)) {
        double v = 0;
        if (!TryParseFloat(text, v)) return "67.0";
        if (v < 30.0) v = 30.0;
        if (v > 290.0) v = 290.0;
        return FormatFixed(v, 1);
    }
    if (first == 'D' || first == 'd') {
        std::string s(text.substr(0, 5));
        while (s.size() < 4) s += '0';
        if (s.size() == 4) s += 'N';
        for (int i = 1; i <= 3; ++i)
            if (s[i] < '0' || s[i] > '7') s[i] = '7';
        if (s[4] != 'I' && s[4] != 'N' && s[4] != 'i' && s[4] != 'n') s[4] = 'N';
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }
    return "67.0";
}
