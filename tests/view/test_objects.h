// Small hand-made objects for the view tests.
#pragma once

#include "model/maintyp.h"

#include <QImage>

#include <string>
#include <vector>

namespace velmora::test {

inline TColourEntry Opaque(char code, uint32_t colour) {
    TColourEntry entry;
    entry.Code = code;
    entry.SetColour(colour);
    return entry;
}

inline TColourEntry Transparent(char code) {
    TColourEntry entry = Opaque(code, 0xFFFFFF);
    entry.TransparentMark = TransparentMarkNone;
    return entry;
}

// Sets one variant's header, table and pixels; the header's size comes from the rows unless given.
inline void SetVariant(TGarminObject& object, int variant, std::vector<TColourEntry> colours,
                       std::vector<std::string> pixels, int width = -1, int height = -1) {
    TXpmHeader& header = object.XpmHeader[size_t(variant)];
    header.Width = uint8_t(width >= 0 ? width : pixels.empty() ? 0 : int(pixels[0].size()));
    header.Height = uint8_t(height >= 0 ? height : int(pixels.size()));
    header.ColourCount = uint8_t(colours.size());
    header.CharsPerPixel = 1;
    object.Colours[size_t(variant)] = std::move(colours);
    object.Pixels[size_t(variant)] = std::move(pixels);
}

// An object of the kind with a day variant, and a matrix made from the day header.
inline TGarminObject MakeObject(uint8_t kind, std::vector<TColourEntry> colours,
                                std::vector<std::string> pixels) {
    TGarminObject object;
    object.Kind = kind;
    SetVariant(object, Day, std::move(colours), std::move(pixels));
    const TXpmHeader& day = object.XpmHeader[Day];
    object.Quadrat = TQuadrat::Create(day.Width, day.Height, day.ColourCount);
    return object;
}

inline uint32_t PixelColour(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return uint32_t(qRed(rgb)) | uint32_t(qGreen(rgb)) << 8 | uint32_t(qBlue(rgb)) << 16;
}

// Whether every pixel of the rectangle has the colour.
inline bool AllOf(const QImage& image, QRect rect, uint32_t colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (PixelColour(image, x, y) != colour) return false;
    return true;
}

inline int CountOf(const QImage& image, QRect rect, uint32_t colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += PixelColour(image, x, y) == colour;
    return count;
}

// Everything of the object that a file or the clipboard would carry: all but the matrix.
inline bool SameData(const TGarminObject& a, const TGarminObject& b) {
    return a.Kind == b.Kind && a.TypeCode == b.TypeCode && a.SubTypeCode == b.SubTypeCode &&
           a.UseOrientation == b.UseOrientation && a.Labels == b.Labels && a.LineWidth == b.LineWidth &&
           a.BorderWidth == b.BorderWidth && a.XpmHeader == b.XpmHeader && a.Colours == b.Colours &&
           a.Pixels == b.Pixels;
}

} // namespace velmora::test
