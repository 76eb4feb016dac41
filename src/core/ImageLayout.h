#pragma once
// The radio's memory image: every offset, size and mask the codecs use.
// Windows and transfers go through the codecs; nothing else should spell
// an image offset as a literal.

#include <cstddef>
#include <cstdint>

namespace Layout {

constexpr std::size_t ImageSize = 5826;  // what the radio's memory needs, with room to spare
constexpr std::size_t BlockSize = 16;

// Whole-image ranges
constexpr std::size_t ReadBlocks = 297;   // blocks 0..296 come from the radio
constexpr std::size_t WriteBlocks = 295;  // blocks 0..294 go to the radio
constexpr std::size_t FileFirstBlock = 1; // data files hold blocks 1..297
constexpr std::size_t FileBlocks = 297;
constexpr std::size_t ResetEnd = 4752;    // ResetImage fills 0..4751 with 0xFF
constexpr std::size_t StoredEnd = 4768;   // end of the range kept in data files

// Channel records: 32 bytes; channel index n at 32n - 16.
constexpr std::size_t RecordSize = 32;
constexpr int MemoryChannels = 128;
constexpr int VfoA = 129;
constexpr int VfoB = 130;
constexpr std::size_t ChannelBase = 16;

// Byte positions inside a channel record
namespace Rec {
constexpr int RxFreq = 0;     // u32, 10 Hz units
constexpr int TxFreq = 4;     // u32, bit 7 of byte 7 = transmit off
constexpr int Offset = 4;     // u24 in frequency-mode records
constexpr int DupWay = 7;     // bits 0-1 in frequency-mode records
constexpr int RxTone = 8;     // lo, hi
constexpr int TxTone = 10;
constexpr int Flags12 = 12;
constexpr int Flags13 = 13;
constexpr int IdCode = 15;    // 6 DTMF nibbles in bytes 15..17
constexpr int IdCodeDigits = 6;
constexpr int Name = 18;      // 7 character codes
constexpr int NameLength = 7;
}  // namespace Rec

// Masks inside record bytes 7, 12 and 13
namespace Mask {
constexpr std::uint8_t DupWay = 0x03;      // byte 7
constexpr std::uint8_t TxOff = 0x80;       // byte 7
constexpr std::uint8_t VoiceMode = 0x03;   // byte 12, stored XOR 3
constexpr std::uint8_t Power = 0x04;       // byte 12
constexpr std::uint8_t Epilogue = 0x08;    // byte 12
constexpr std::uint8_t BusyLock = 0x10;    // byte 12
constexpr std::uint8_t Vox = 0x40;         // byte 12
constexpr std::uint8_t Wide = 0x80;        // byte 12
constexpr std::uint8_t PttId = 0x30;       // byte 13, stored XOR 3
constexpr std::uint8_t Dtmf = 0x80;        // byte 13
}  // namespace Mask

// FM preset table: 32 u16 entries in 25 kHz units; 1..25 presets, 32 the tuned frequency
constexpr std::size_t FmTable = 4176;
constexpr int FmPresets = 25;
constexpr int FmTuned = 32;
constexpr int FmUnit10Hz = 2500;  // one FM unit is 25 kHz

// The three bitmaps, addressed by a base relative to BitmapOrigin; a clear bit means yes
constexpr std::size_t BitmapOrigin = 4496;
constexpr int PresentBitmap = 0;
constexpr int ScanBitmap = 16;
constexpr int FmPresentBitmap = 32;

constexpr std::size_t FmLowerLimit = 4532;  // u16, 25 kHz units
constexpr std::size_t FmUpperLimit = 4534;

// Settings area: setting index i at 4536 + i
constexpr std::size_t Settings = 4536;
constexpr int SettingCount = 64;
constexpr std::size_t DefaultsBlock = 4528;  // ResetImage copies 48 default bytes here
constexpr std::size_t DefaultsBlockSize = 48;

// Model identification record
constexpr std::size_t ModelIdent = 4600;
constexpr std::size_t IdentModelCode = 4601;  // 4 characters
constexpr std::size_t IdentManualFreq = 4605;
constexpr std::size_t IdentBandMask = 4606;
constexpr std::size_t IdentEnd = 4607;
constexpr std::uint8_t IdentMarker = 0x50;  // 'P'

// Band limit table: band i lower at 4608 + 8i, upper at 4612 + 8i (u32, 10 Hz)
constexpr std::size_t BandTable = 4608;
constexpr int Bands = 4;

constexpr std::size_t WriteTime = 4704;  // 7 bytes
constexpr std::size_t SerialNumber = 4736;
constexpr std::size_t SerialNumberLength = 16;

// Manual-frequency setting values
constexpr std::uint8_t ManualFreqYes = 0xAA;
constexpr std::uint8_t ManualFreqNo = 0xFF;

constexpr std::size_t ChannelOffset(int index) { return RecordSize * static_cast<std::size_t>(index) - 16; }

}  // namespace Layout
