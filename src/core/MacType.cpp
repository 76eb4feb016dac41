#include "MacType.h"

#include "Globals.h"

TMacType::TMacType(std::string code, std::string name, std::int32_t channelCount)
    : Code(std::move(code)), Name(std::move(name)), ChannelCount(channelCount) {}

void TMacType::SetBandLimit(int i, double lo, double hi) {
    BandLimit[i] = {lo, hi};
    BandEdit[i] = {1, 1};
}

void TMacType::SetBandDefault(int i, std::uint8_t editLow, double lo, double hi, std::uint8_t editHigh,
                              std::uint8_t shown) {
    BandDefault[i] = {lo, hi};
    BandEdit[i] = {editLow, editHigh};
    BandShown[i] = shown;
}

void TMacType::SetMasks(std::uint8_t fullMask, std::uint8_t defaultMask, std::uint8_t showBandChecks) {
    FullMask = fullMask;
    DefaultMask = defaultMask;
    ShowBandChecks = showBandChecks;
}

void TMacList::Add(std::unique_ptr<TMacType> model) {
    std::string code = model->Code;
    items_.emplace_back(std::move(code), std::move(model));
}

const TMacType* TMacList::GetItem(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[index].second.get();
}

const TMacType* TMacList::FindByCode(const std::string& code) const {
    for (const auto& [key, model] : items_)
        if (model->Code == code) return model.get();
    return nullptr;
}

const TMacType* TMacList::FindByName(const std::string& name) const {
    for (const auto& [key, model] : items_)
        if (model->Name == name) return model.get();
    return nullptr;
}

void TMacList::GetNames(std::vector<std::string>& names) const {
    names.clear();
    for (const auto& [key, model] : items_) names.push_back(model->Name);
}

void RegisterBuiltInModel() {
    TALL& all = All();
    all.SerialEditable = 0;
    all.ProductName = "RK-40";
    all.VendorCode = "PZ35";
    all.BaudRate = 4800;
    all.FmLower = 76.0;
    all.FmUpper = 107.0;
    all.TestMenu = 1;
    all.ManualFreqAllowed = 0;

    auto model = std::make_unique<TMacType>("RK40", all.ProductName, 128);
    model->SetBandLimit(0, 410.0, 470.0);
    model->SetBandLimit(1, 136.0, 174.0);
    model->SetBandLimit(2, 200.0, 260.0);
    model->SetBandLimit(3, 320.0, 400.0);
    model->SetBandDefault(0, 0, 430.0, 440.0, 0, 1);
    model->SetBandDefault(1, 0, 144.0, 146.0, 0, 1);
    model->SetBandDefault(2, 0, 245.0, 246.0, 0, 0);
    model->SetBandDefault(3, 0, 350.0, 400.0, 0, 0);
    model->SetMasks(0x0F, 0x45, 1);
    MacList().Add(std::move(model));
}
