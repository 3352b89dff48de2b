// The flags and sizes of the point, line and polygon records of a compiled file, shared by the
// import that reads them and the compiler that writes them.
#pragma once

#include <cstdint>

namespace velmora::record {

// Point flags (the first byte).
inline constexpr uint8_t PointVariantsMask = 0x03;
inline constexpr uint8_t PointDayOnly = 0x01;
inline constexpr uint8_t PointDayAndNight = 0x03;
inline constexpr uint8_t PointHasLabels = 0x04;
inline constexpr uint8_t PointHasFont = 0x08;
// Line flags (the second byte).
inline constexpr uint8_t LineHasLabels = 0x01;
inline constexpr uint8_t LineWithoutOrientation = 0x02;
inline constexpr uint8_t LineHasFont = 0x04;
// Polygon flags (the high half of the first byte).
inline constexpr uint8_t PolygonHasLabels = 0x10;
inline constexpr uint8_t PolygonHasFont = 0x20;
// The font byte: the style in its low three bits, then flags of the label colours that follow it.
inline constexpr uint8_t FontStyleMask = 0x07;
inline constexpr uint8_t FontHasDayColour = 0x08;
inline constexpr uint8_t FontHasNightColour = 0x10;

// Line and polygon bitmaps are 32 pixels wide at one bit a pixel; a polygon pattern has 32 rows.
inline constexpr int MonochromeWidth = 32;
inline constexpr int PolygonRows = 32;

} // namespace velmora::record
