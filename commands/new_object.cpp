#include "commands/new_object.h"

#include "commands/catalogues.h"
#include "model/text_format.h"

#include <QCoreApplication>
#include <algorithm>

namespace velmora {
namespace {

TColourEntry TransparentEntry() {
    TColourEntry entry;
    entry.Code = NewPointTransparentCode;
    entry.TransparentMark = TransparentMarkNone;
    entry.Red = entry.Green = entry.Blue = 255;
    return entry;
}

// A seeded entry: code c, opaque, the palette colour i (wrapping beyond the 16 colours).
TColourEntry SeededEntry(int code, int paletteIndex) {
    const PaletteRgb& rgb = DefaultPalette[size_t(paletteIndex) % DefaultPalette.size()];
    TColourEntry entry;
    entry.Code = char(code);
    entry.Red = rgb.Red;
    entry.Green = rgb.Green;
    entry.Blue = rgb.Blue;
    return entry;
}

std::vector<std::string> Plane(int width, int height, char fill) {
    return std::vector<std::string>(size_t(height), std::string(size_t(width), fill));
}

// The first code of CodeAlphabet that no entry of the table uses.
char UnusedCode(const std::vector<TColourEntry>& table) {
    for (char candidate : CodeAlphabet) {
        bool used = std::any_of(table.begin(), table.end(),
                                [candidate](const TColourEntry& entry) { return entry.Code == candidate; });
        if (!used) return candidate;
    }
    return 0;
}

void SeedPoint(TGarminObject& object, const NewObjectSettings& settings) {
    const int count = settings.ColourCount;
    auto& day = object.Colours[Day];
    auto& night = object.Colours[Night];
    if (count > 0) day[0] = TransparentEntry();
    if (settings.DayAndNight) {
        if (count > 0) night[0] = TransparentEntry();
        object.XpmHeader[Night] = object.XpmHeader[Day];
        for (int k = 1; k < count; ++k)
            night[size_t(k)] = SeededEntry(48 + count + k, k);
        for (int k = 1; k < count; ++k)
            if (night[size_t(k)].Code == NewPointTransparentCode) night[size_t(k)].Code = UnusedCode(night);
    }
    for (int k = 1; k < count; ++k)
        day[size_t(k)] = SeededEntry(48 + k, k - 1);
}

void SeedLineWithBitmap(TGarminObject& object, const NewObjectSettings& settings) {
    auto& day = object.Colours[Day];
    const int seeded = std::min<int>(settings.DayAndNight ? 4 : 2, int(day.size()));
    for (int k = 0; k < seeded; ++k)
        day[size_t(k)] = SeededEntry(48 + k, k);
    const char firstCode = day.empty() ? char(0) : day[0].Code;
    object.Pixels[Day] = Plane(settings.Width, settings.Height, firstCode);
    object.Pixels[Night] = Plane(settings.Width, settings.Height, char(0));
}

void SeedLineWithoutBitmap(TGarminObject& object, const NewObjectSettings& settings) {
    object.XpmHeader[Day].Width = 0;
    object.XpmHeader[Day].Height = 0;
    // The header says there are no pixels, so neither plane holds any.
    object.Pixels[Day].clear();
    object.Pixels[Night].clear();
    object.LineWidth = settings.LineWidth;
    object.BorderWidth = settings.BorderWidth;
    object.Quadrat = TQuadrat::Create(0, 0, settings.ColourCount);
    auto& day = object.Colours[Day];
    for (size_t k = 0; k < day.size(); ++k)
        day[k] = SeededEntry(48 + int(k), int(k));
}

QString HexCode(uint32_t value) {
    return QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

} // namespace

TGarminObject BuildNewObject(const NewObjectSettings& settings) {
    TGarminObject object;
    object.Kind = settings.Kind;
    object.TypeCode = uint32_t(ParseHex(settings.TypeText));
    if (settings.Kind == KindPoint) object.SubTypeCode = uint32_t(ParseHex(settings.SubTypeText));
    object.XpmHeader[Day] = {settings.Width, settings.Height, settings.ColourCount, settings.CharsPerPixel};
    for (auto& table : object.Colours)
        table.assign(settings.ColourCount, TColourEntry{});
    object.Pixels[Day] = Plane(settings.Width, settings.Height, NewPointTransparentCode);
    object.Pixels[Night] = Plane(settings.Width, settings.Height, NewPointTransparentCode);
    object.Quadrat = TQuadrat::Create(settings.Width, settings.Height, settings.ColourCount);

    if (settings.Kind == KindPoint)
        SeedPoint(object, settings);
    else if (settings.NoBitmap)
        SeedLineWithoutBitmap(object, settings);
    else
        SeedLineWithBitmap(object, settings);
    return object;
}

QString ListLabel(const TGarminObject& object) {
    if (object.Kind == KindPoint) return HexCode(object.TypeCode) + u'/' + HexCode(object.SubTypeCode);
    return HexCode(object.TypeCode);
}

SpinPreset CreationColourCount(bool secondViewItem) {
    return secondViewItem ? SpinPreset{1, 4, 4, false} : SpinPreset{1, 2, 2, false};
}

CreationPreset CreationPresetFor(int kind, bool secondViewItem) {
    CreationPreset preset;
    preset.CharsPerPixel = 1;
    if (kind == KindPoint) {
        preset.StatusText = QCoreApplication::translate("NewObject", "Создание точки");
        preset.NoBitmapVisible = false;
        preset.Orientation = OrientationPreset::DisableAndSetN;
        preset.Width = {2, 24, 16, true};
        preset.Height = {2, 24, 16, true};
        preset.ColourCount = {2, 40, 4, true};
        preset.CharsPerPixelEnabled = true;
        preset.TypeText = QStringLiteral("000");
        preset.SubTypeText = QStringLiteral("00");
        preset.SubTypeVisible = true;
        preset.TypeMaxLength = 3;
        preset.SubTypeMaxLength = 2;
        preset.ViewChooserFollowsColours = false;
        return preset;
    }
    const bool line = kind == KindLine;
    preset.StatusText = line ? QCoreApplication::translate("NewObject", "Создание линии")
                             : QCoreApplication::translate("NewObject", "Создание полигона");
    preset.NoBitmapVisible = true;
    preset.Orientation = line ? OrientationPreset::EnableUnlessNoBitmap : OrientationPreset::Unchanged;
    preset.Width = line ? SpinPreset{1, 32, 32, false} : SpinPreset{0, 32, 32, false};
    preset.Height = line ? SpinPreset{1, 32, 4, true} : SpinPreset{0, 32, 32, false};
    preset.ColourCount = CreationColourCount(secondViewItem);
    preset.CharsPerPixelEnabled = false;
    preset.TypeText = QStringLiteral("0000");
    preset.SubTypeText = QString();
    preset.SubTypeVisible = false;
    preset.TypeMaxLength = 6;
    preset.SubTypeMaxLength = 6;
    preset.ViewChooserFollowsColours = true;
    return preset;
}

bool IsTypeFieldKey(char32_t character) {
    return character == U'\b' || (character >= U'0' && character <= U'9') ||
           (character >= U'A' && character <= U'F') || (character >= U'a' && character <= U'f');
}

} // namespace velmora
