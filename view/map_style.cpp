#include "view/map_style.h"

#include "view/colour.h"
#include "view/matrix.h"
#include "view/render.h"
#include "view/transparency.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

constexpr uint32_t PlainLineDay = 0x808080, PlainLineNight = 0x909090;
constexpr uint32_t PlainAreaDay = 0xDDDDDD, PlainAreaNight = 0x404040;
constexpr uint32_t PlainDotDay = 0x404040, PlainDotNight = 0xC0C0C0;
constexpr uint32_t LabelDay = 0x000000, LabelNight = 0xE0E0E0;

// Whether entry i of the variant's table is drawn at all: lines and polygons are opaque or clear.
bool IsClear(const TGarminObject& object, int variant, int entry) {
    return ShownAlpha(object, variant, size_t(entry)) >= AlphaTransparent;
}

QColor EntryColour(const TGarminObject& object, int variant, int entry) {
    if (entry < 0 || entry >= UsableColourCount(object, variant) || IsClear(object, variant, entry))
        return {};
    return ToQColor(object.Colours[size_t(variant)][size_t(entry)].Colour());
}

bool HasDayBitmap(const TGarminObject& object) {
    return object.XpmHeader[Day].Width > 0 && object.XpmHeader[Day].Height > 0;
}

// A line's or polygon's bitmap: a pixel coded like entry 0 or 1 (entry 0 tested first) shows
// entry 2 * PairBase + i of the view, as in the object view; everything else is clear.
QImage PairBitmap(const TGarminObject& object, int view) {
    const TXpmHeader& header = object.XpmHeader[Day];
    QImage image(header.Width, header.Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int count = UsableColourCount(object, Day);
    const auto& table = object.Colours[Day];
    const int pairBase = PairBase(object, view);
    for (int row = 0; row < header.Height; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < header.Width; ++col) {
            if (!PixelExists(object, Day, row, col)) continue;
            const char pixel = object.Pixels[Day][size_t(row)][size_t(col)];
            for (int i = 0; i < std::min(count, 2); ++i) {
                if (table[size_t(i)].Code != pixel) continue;
                const QColor colour = EntryColour(object, Day, 2 * pairBase + i);
                if (colour.isValid()) line[col] = colour.rgb();
                break;
            }
        }
    }
    return image;
}

// A point's icon: each pixel in the first opaque entry of its code, with the entry's alpha.
QImage PointIcon(const TGarminObject& object, int view) {
    const TXpmHeader& header = object.XpmHeader[size_t(view)];
    QImage image(header.Width, header.Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int count = UsableColourCount(object, view);
    const auto& table = object.Colours[size_t(view)];
    for (int row = 0; row < header.Height; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < header.Width; ++col) {
            if (!PixelExists(object, view, row, col)) continue;
            const char pixel = object.Pixels[size_t(view)][size_t(row)][size_t(col)];
            for (int i = 0; i < count; ++i) {
                const TColourEntry& entry = table[size_t(i)];
                if (entry.Code != pixel || entry.IsTransparent()) continue;
                const int opacity =
                    255 * (AlphaTransparent - ShownAlpha(object, view, size_t(i))) / AlphaTransparent;
                line[col] = qPremultiply(
                    qRgba(int(entry.Red & 0xFF), int(entry.Green & 0xFF), int(entry.Blue & 0xFF), opacity));
                break;
            }
        }
    }
    return image;
}

// The one colour of a solid area: by night the night colour where the table has one (entry 2 of
// a four-colour table, entry 1 of a day and night pair), else the day colour.
QColor SolidAreaColour(const TGarminObject& object, int view) {
    const int count = UsableColourCount(object, Day);
    if (view == Night && count > 2) return EntryColour(object, Day, 2);
    if (view == Night && count == 2 && !IsClear(object, Day, 1)) return EntryColour(object, Day, 1);
    return EntryColour(object, Day, 0);
}

void SetSolidLine(MapTypeLook& look, const TGarminObject& object, int view) {
    const int count = UsableColourCount(object, Day);
    look.Width = std::max<int>(object.LineWidth, 1);
    look.BorderWidth = object.BorderWidth;
    if (count == 2 && object.BorderWidth == 0) {
        // Two colours without a border are a day and a night colour.
        look.LineColour = SolidAreaColour(object, view);
        return;
    }
    const int base = count > 2 ? 2 * PairBase(object, view) : 0;
    look.LineColour = EntryColour(object, Day, base);
    if (count >= 2) look.BorderColour = EntryColour(object, Day, base + 1);
}

int LabelPixelsOf(std::optional<uint8_t> font) {
    switch (font.value_or(FontDefault)) {
    case FontNoLabel:
        return 0;
    case FontSmall:
        return SmallLabelPixels;
    case FontLarge:
        return LargeLabelPixels;
    default:
        return NormalLabelPixels;
    }
}

QColor DefaultLabelColour(int view) {
    return ToQColor(view == Night ? LabelNight : LabelDay);
}

} // namespace

MapTypeLook PlainLook(MapKind kind, int view) {
    const bool night = view == Night;
    MapTypeLook look;
    if (kind == MapKind::Polygon) look.Area = QBrush(ToQColor(night ? PlainAreaNight : PlainAreaDay));
    if (kind == MapKind::Line) look.LineColour = ToQColor(night ? PlainLineNight : PlainLineDay);
    if (kind == MapKind::Point) look.Dot = ToQColor(night ? PlainDotNight : PlainDotDay);
    look.LabelColour = DefaultLabelColour(view);
    return look;
}

MapTypeLook LookOf(const TGarminObject& object, int view) {
    view = view == Night ? Night : Day;
    MapTypeLook look;
    look.Defined = true;
    look.LabelPixels = LabelPixelsOf(object.FontStyle);
    const auto& labelColour = view == Night ? object.NightLabelColour : object.DayLabelColour;
    look.LabelColour = labelColour ? ToQColor(*labelColour) : DefaultLabelColour(view);
    if (object.Kind == KindPolygon) {
        if (HasDayBitmap(object) && UsableColourCount(object, Day) >= 2)
            look.Area = QBrush(PairBitmap(object, view));
        else if (const QColor colour = SolidAreaColour(object, view); colour.isValid())
            look.Area = QBrush(colour);
    } else if (object.Kind == KindLine) {
        if (HasDayBitmap(object)) {
            look.Pattern = PairBitmap(object, view);
            look.Oriented = object.UseOrientation > 0;
            look.Width = object.XpmHeader[Day].Height;
        } else {
            SetSolidLine(look, object, view);
        }
    } else {
        const TXpmHeader& night = object.XpmHeader[Night];
        const int shown = view == Night && night.Width > 0 && night.Height > 0 ? Night : Day;
        if (object.XpmHeader[size_t(shown)].Width > 0 && object.XpmHeader[size_t(shown)].Height > 0)
            look.Icon = PointIcon(object, shown);
        else
            look.Dot = PlainLook(MapKind::Point, view).Dot;
    }
    return look;
}

// Whatever the look is made of lies in the object's content; the labels and kept lines that the
// content holds as well only cost a rebuild of one type's look when they change.
uint64_t LookFingerprint(const TGarminObject& object) {
    return ContentFingerprint(object);
}

} // namespace velmora
