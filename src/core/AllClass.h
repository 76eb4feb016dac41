#pragma once
// The program's plain data classes: the application state with the memory
// image (TALL), the decoded channel shared by the channel windows (TChannel)
// and the message table (TLanguage).

#include <array>
#include <cstdint>
#include <string>

#include "ImageLayout.h"

struct TBand {
    double Lo = 0;  // MHz; a band with Lo or Hi of 0 is disabled
    double Hi = 0;
};

class TALL {
public:
    std::string LanguageName;
    std::int32_t LanguageId = 0;
    std::uint8_t LanguageMenu = 0;
    std::int32_t CurrentChannel = 0;
    std::string PortName;
    std::string ProgramDir;  // with a trailing separator
    std::string ProductName;
    std::int32_t ChannelCount = 0;
    std::string ModelName;
    std::string BandText;
    std::uint8_t BandMask = 0;
    std::uint8_t ManualFreq = 0;
    std::uint8_t ModelFullMask = 0;
    std::uint8_t ManualFreqAllowed = 0;
    std::array<TBand, Layout::Bands> Band{};
    double FmLower = 0;
    double FmUpper = 0;
    std::string ModelCode;
    std::int32_t BaudRate = 0;
    std::uint8_t DtmfDecodePage = 0;
    std::uint8_t Modified = 0;
    std::string VendorCode;
    std::string SnStart;
    std::int32_t SnIndex = 0;
    std::int32_t SnNumS = 0;
    std::uint8_t TestMenu = 0;
    std::uint8_t SerialEditable = 0;
    std::array<std::uint8_t, Layout::ImageSize> Image{};
};

class TChannel {
public:
    double RxFreq = 0;
    double TxFreq = 0;  // -1 when transmit is off
    double Offset = 0;
    std::uint8_t DupWay = 0;  // 0 off, 1 plus, 2 minus
    std::string RxTone;
    std::string TxTone;
    std::uint8_t Revs = 0;
    std::uint8_t BusyLock = 0;
    std::uint8_t Wide = 0;
    std::uint8_t Power = 0;
    std::uint8_t VoiceMode = 0;
    std::uint8_t ScanFlag = 0;  // 0 in the scan list
    std::uint8_t Epilogue = 0;
    std::uint8_t Vox = 0;
    std::uint8_t PttId = 0;
    std::uint8_t Dtmf = 0;
    std::string Name;
    std::string IdCode;
};

// Message texts; filled from section "Language" of the current language file.
class TLanguage {
public:
    std::string Confirmation;
    std::string ExitProgram;
    std::string SaveProgram;
    std::string Channel;
    std::string Info;
    std::string OutRange;
    std::string Caution;
    std::string FileExists;
    std::string Close;
    std::string Open;
    std::string ComError;
    std::string ModError;
    std::string PwdError;
    std::string ClearData;
    std::string Modforce;
    std::string All;
    std::string ErrRange;
    std::string ModelType;
    std::string Frequency;
    std::string ReadOk;
    std::string WriteOk;
    std::string PortError;
};
