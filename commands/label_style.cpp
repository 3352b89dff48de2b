#include "commands/label_style.h"

namespace velmora {
namespace {

template <typename Value>
bool Store(TypDocument& doc, std::optional<Value>& field, std::optional<Value> value) {
    if (field == value) return false;
    field = value;
    doc.Modified = true;
    return true;
}

std::optional<uint32_t> TwentyFourBits(std::optional<uint32_t> colour) {
    if (colour) *colour &= 0xFFFFFF;
    return colour;
}

} // namespace

bool SetFontStyle(TypDocument& doc, TGarminObject& object, std::optional<uint8_t> style) {
    if (style && *style > MaxFontStyle) return false;
    return Store(doc, object.FontStyle, style);
}

bool SetDayLabelColour(TypDocument& doc, TGarminObject& object, std::optional<uint32_t> colour) {
    return Store(doc, object.DayLabelColour, TwentyFourBits(colour));
}

bool SetNightLabelColour(TypDocument& doc, TGarminObject& object, std::optional<uint32_t> colour) {
    return Store(doc, object.NightLabelColour, TwentyFourBits(colour));
}

} // namespace velmora
