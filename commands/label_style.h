// The label font and the label colours of an object, as the property column edits them. Each
// function takes the object and the new value (none: the object names no font or colour) and
// returns whether the object changed.
#pragma once

#include "model/maintyp.h"

#include <cstdint>
#include <optional>

namespace velmora {

// The largest font style the compiled font byte holds (its bits 0 to 2).
inline constexpr uint8_t MaxFontStyle = 7;

// FontStyle := style. A style above MaxFontStyle changes nothing.
bool SetFontStyle(TGarminObject& object, std::optional<uint8_t> style);

// DayLabelColour := colour (red + 256 * green + 65536 * blue; bits above 24 are dropped).
bool SetDayLabelColour(TGarminObject& object, std::optional<uint32_t> colour);

// NightLabelColour := colour, the same way.
bool SetNightLabelColour(TGarminObject& object, std::optional<uint32_t> colour);

} // namespace velmora
