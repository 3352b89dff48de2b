#include "commands/object_edits.h"

#include "model/text_format.h"

#include <algorithm>

namespace velmora {
namespace {

// Copy(s, p, n) of the catalogue's own arithmetic: n characters from the 1-based position p.
std::string_view Copy(std::string_view text, size_t position, size_t count) {
    if (position == 0 || position > text.size()) return {};
    return text.substr(position - 1, count);
}

void TakeSymbol(TColourEntry& entry, const SymbolEdit& edit) {
    entry.Code = edit.CodeText.front();
    if (edit.Transparent) {
        entry.TransparentMark = TransparentMarkNone;
        entry.SetColour(0xFFFFFF);
    } else {
        entry.TransparentMark = 0;
        entry.SetColour(edit.Colour);
    }
}

template <typename Field> bool Store(Field& field, int value) {
    if (field == Field(value)) return false;
    field = Field(value);
    return true;
}

} // namespace

std::optional<QString> RetypeFromCatalogue(TGarminObject& object, std::string_view row) {
    const size_t found = row.find('x');
    if (found == std::string_view::npos) return std::nullopt;
    const size_t x = found + 1;
    const std::string_view type = Copy(row, x + 1, 2);
    QString listText = QString::fromUtf8(type.data(), qsizetype(type.size()));
    object.TypeCode = uint32_t(ParseHex(type));
    if (object.Kind == KindPoint) {
        const std::string_view subType = Copy(row, x + 3, 2);
        listText += u'/' + QString::fromUtf8(subType.data(), qsizetype(subType.size()));
        object.SubTypeCode = uint32_t(ParseHex(subType));
    }
    return listText;
}

bool AppendLabelLine(TGarminObject& object, std::string_view languageRow) {
    if (languageRow.size() < 4) return false;
    object.Labels.push_back(std::string(languageRow.substr(0, 4)) + ",");
    return true;
}

bool SetLabels(TGarminObject& object, const std::vector<std::string>& lines) {
    if (object.Labels == lines) return false;
    object.Labels = lines;
    return true;
}

bool SetLineWidth(TGarminObject& object, int value) {
    return Store(object.LineWidth, std::clamp(value, 1, 15));
}

bool SetBorderWidth(TGarminObject& object, int value) {
    return Store(object.BorderWidth, std::clamp(value, 0, 15));
}

bool SetUseOrientation(TGarminObject& object, int index) {
    const int wanted = std::clamp(index, 0, 1);
    if ((object.UseOrientation > 0 ? 1 : 0) == wanted) return false;
    object.UseOrientation = wanted;
    return true;
}

bool SetCharsPerPixel(TGarminObject& object, int value) {
    const int charsPerPixel = std::clamp(value, 1, 2);
    bool changed = Store(object.XpmHeader[Day].CharsPerPixel, charsPerPixel);
    if (object.Kind == KindPoint)
        changed = Store(object.XpmHeader[Night].CharsPerPixel, charsPerPixel) || changed;
    return changed;
}

bool SetEntryColour(TGarminObject& object, int table, size_t entry, uint32_t colour) {
    if (table != Day && table != Night) return false;
    auto& colours = object.Colours[size_t(table)];
    if (entry >= colours.size() || colours[entry].Colour() == (colour & 0xFFFFFF)) return false;
    colours[entry].SetColour(colour);
    return true;
}

bool ChangeColourEntry(TGarminObject& object, int view, int index, const SymbolEdit& edit) {
    if (edit.CodeText.empty() || (view != Day && view != Night)) return false;
    if (!IsUsedEntry(object, view, index)) return false;
    auto& table = object.Colours[size_t(view)];
    const char oldCode = table[size_t(index)].Code;
    const char newCode = edit.CodeText.front();
    const TXpmHeader& header = object.XpmHeader[size_t(view)];
    auto& plane = object.Pixels[size_t(view)];
    for (size_t r = 0; r < plane.size() && r < header.Height; ++r)
        for (size_t c = 0; c < plane[r].size() && c < header.Width; ++c)
            if (plane[r][c] == oldCode) plane[r][c] = newCode;
    TakeSymbol(table[size_t(index)], edit);
    return true;
}

bool AddColourEntry(TGarminObject& object, int view, const SymbolEdit& edit) {
    if (edit.CodeText.empty() || (view != Day && view != Night)) return false;
    TXpmHeader& header = object.XpmHeader[size_t(view)];
    if (object.Kind != KindPoint || header.Width == 0 || header.ColourCount == 255) return false;
    auto& table = object.Colours[size_t(view)];
    // Entries past ColourCount are never read; the new one takes the place right after the last used.
    const size_t index = header.ColourCount;
    if (table.size() <= index) table.resize(index + 1);
    TakeSymbol(table[index], edit);
    header.ColourCount = uint8_t(header.ColourCount + 1);
    return true;
}

bool IsUsedEntry(const TGarminObject& object, int view, int index) {
    if (view != Day && view != Night) return false;
    const size_t used =
        std::min<size_t>(object.Colours[size_t(view)].size(), object.XpmHeader[size_t(view)].ColourCount);
    return index >= 0 && size_t(index) < used;
}

std::optional<PaintTarget> PaintTargetOf(const TGarminObject& object, int view, int entry) {
    if (view != Day && view != Night) return std::nullopt;
    if (object.Kind == KindPoint) {
        if (object.XpmHeader[size_t(view)].Width == 0 || !IsUsedEntry(object, view, entry))
            return std::nullopt;
        return PaintTarget{view, entry, object.Colours[size_t(view)][size_t(entry)].Code};
    }
    if (object.XpmHeader[Day].Width == 0 || view == Night || entry > 1 || !IsUsedEntry(object, Day, entry))
        return std::nullopt;
    return PaintTarget{Day, entry, object.Colours[Day][size_t(entry)].Code};
}

std::optional<PixelEntry> EntryOfPixel(const TGarminObject& object, int row, int col, int view) {
    if (view != Day && view != Night) return std::nullopt;
    const bool point = object.Kind == KindPoint;
    const int table = point ? view : Day;
    const auto& plane = object.Pixels[size_t(table)];
    if (row < 0 || size_t(row) >= plane.size() || col < 0 || size_t(col) >= plane[size_t(row)].size())
        return std::nullopt;
    const char pixel = plane[size_t(row)][size_t(col)];
    const auto& colours = object.Colours[size_t(table)];
    const int candidates = point ? object.XpmHeader[size_t(table)].ColourCount : 2;
    for (int i = 0; i < candidates; ++i) {
        const size_t k = size_t(point ? i : i + 2 * view);
        if (size_t(i) < colours.size() && k < colours.size() && colours[size_t(i)].Code == pixel &&
            !colours[k].IsTransparent())
            return PixelEntry{table, k};
    }
    return std::nullopt;
}

bool IsRecolourableSwatch(const TGarminObject& object, int swatch) {
    const auto& colours = object.Colours[Day];
    return swatch >= 0 && size_t(swatch) < colours.size() && colours[size_t(swatch)].Code != 0;
}

} // namespace velmora
