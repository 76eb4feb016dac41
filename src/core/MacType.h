#pragma once
// The catalogue of radio models the program can program.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AllClass.h"

class TMacType {
public:
    std::string Code;  // 4 characters, as the radio reports it
    std::string Name;
    std::int32_t ChannelCount = 0;
    std::array<TBand, Layout::Bands> BandLimit{};    // hard limits
    std::array<TBand, Layout::Bands> BandDefault{};  // default restricted limits
    std::array<std::pair<std::uint8_t, std::uint8_t>, Layout::Bands> BandEdit{};  // low, high editable
    std::array<std::uint8_t, Layout::Bands> BandShown{};
    std::uint8_t FullMask = 0;
    std::uint8_t DefaultMask = 0;
    std::uint8_t ShowBandChecks = 0;

    TMacType() = default;
    TMacType(std::string code, std::string name, std::int32_t channelCount);

    void SetBandLimit(int i, double lo, double hi);
    void SetBandDefault(int i, std::uint8_t editLow, double lo, double hi, std::uint8_t editHigh, std::uint8_t shown);
    void SetMasks(std::uint8_t fullMask, std::uint8_t defaultMask, std::uint8_t showBandChecks);

    TBand GetBandLimit(int i) const { return BandLimit[i]; }
    TBand GetBandDefault(int i) const { return BandDefault[i]; }
    std::pair<std::uint8_t, std::uint8_t> GetBandEdit(int i) const { return BandEdit[i]; }
    std::uint8_t GetBandShown(int i) const { return BandShown[i]; }
    TBand GetBand(int i, bool useLimit) const { return useLimit ? BandLimit[i] : BandDefault[i]; }
};

class TMacList {
public:
    void Add(std::unique_ptr<TMacType> model);
    int Count() const { return static_cast<int>(items_.size()); }
    const TMacType* GetItem(int index) const;
    // Exact, case-sensitive; the first match wins (duplicates are not refused).
    const TMacType* FindByCode(const std::string& code) const;
    const TMacType* FindByName(const std::string& name) const;
    void GetNames(std::vector<std::string>& names) const;

private:
    std::vector<std::pair<std::string, std::unique_ptr<TMacType>>> items_;
};

// Sets the built-in model's values in the application state and registers it.
void RegisterBuiltInModel();
