// The flags, sizes and heads of the point, line and polygon records of a compiled file, shared by
// the import that reads them (typbin/binary_records.cpp) and the compiler that writes them
// (typbin/record_encoding.cpp).
#pragma once

#include "model/maintyp.h"
#include "typbin/byte_reader.h"

#include <cstdint>
#include <vector>

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

// The head of a line or polygon record. A line's is two bytes: the colour type in bits 0-2 and the
// rows of its bitmap above them, then its flags. A polygon's is one byte: the colour type in bits
// 0-3 and its flags above it.
struct PairRecordHead {
    uint8_t ColourType = 0;
    uint8_t Rows = 0; // lines: the rows of the bitmap, 0 for a solid line
    bool HasLabels = false;
    bool HasFont = false;
    bool WithoutOrientation = false; // lines
};

inline void AppendPairRecordHead(std::vector<uint8_t>& out, uint8_t kind, const PairRecordHead& head) {
    const uint8_t labels = head.HasLabels ? (kind == KindLine ? LineHasLabels : PolygonHasLabels) : 0;
    const uint8_t font = head.HasFont ? (kind == KindLine ? LineHasFont : PolygonHasFont) : 0;
    if (kind == KindLine) {
        out.push_back(uint8_t(head.ColourType | head.Rows << 3));
        out.push_back(uint8_t(labels | font | (head.WithoutOrientation ? LineWithoutOrientation : 0)));
    } else {
        out.push_back(uint8_t(head.ColourType | labels | font));
    }
}

inline PairRecordHead ReadPairRecordHead(ByteReader& reader, uint8_t kind) {
    const uint8_t first = reader.U8();
    if (kind == KindLine) {
        const uint8_t flags = reader.U8();
        return {uint8_t(first & 0x07), uint8_t(first >> 3), (flags & LineHasLabels) != 0,
                (flags & LineHasFont) != 0, (flags & LineWithoutOrientation) != 0};
    }
    return {uint8_t(first & 0x0F), 0, (first & PolygonHasLabels) != 0, (first & PolygonHasFont) != 0, false};
}

} // namespace velmora::record
