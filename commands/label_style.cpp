#include "commands/label_style.h"

namespace velmora {
namespace {

template <typename Value> bool Store(std::optional<Value>& field, std::optional<Value> value) {
    if (field == value) return false;
    field = value;
    return true;
}

std::optional<uint32_t> TwentyFourBits(std::optional<uint32_t> colour) {
    if (colour) *colour &= 0xFFFFFF;
    return colour;
}

} // namespace

bool SetFontStyle(TGarminObject& object, std::optional<uint8_t> style) {
    if (style && *style > MaxFontStyle) return false;
    return Store(object.FontStyle, style);
}

bool SetDayLabelColour(TGarminObject& object, std::optional<uint32_t> colour) {
    return Store(object.DayLabelColour, TwentyFourBits(colour));
}

bool SetNightLabelColour(TGarminObject& object, std::optional<uint32_t> colour) {
    return Store(object.NightLabelColour, TwentyFourBits(colour));
}

} // namespace velmora
