#pragma once
// Keeps the model identity, the four bands and the band summary of the
// application state consistent with the image, and puts a new or freshly
// loaded image into a valid state.

#include <cstdint>
#include <string>

void ResetImage();
void CheckSettings();
void ApplyModel(const std::string& code, bool writeRecord);
void BandsFromModel();
void WriteModelIdent();
void WriteBandTable();
void DeriveBands();

// The fixed sequences of the occasions that fill the image.
void DeriveOnFirstShow();
void DeriveOnNew();
void DeriveOnOpen(const std::string& modelCode);
// bandByte: the band byte of the radio's identification reply (0xFF: none).
void DeriveOnRead(const std::string& modelCode, std::uint8_t bandByte);
