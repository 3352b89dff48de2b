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

} // namespace

bool DeleteObject(TypDocument& doc, int kind, int index) {
    if (kind < KindPoint || kind > KindPolygon) return false;
    ObjectList& list = doc.List(kind);
    if (index < 0 || size_t(index) >= list.size()) return false;
    doc.CurrentObject = nullptr;
    list.erase(list.begin() + index);
    doc.Modified = true;
    return true;
}

std::optional<QString> RetypeFromCatalogue(TypDocument& doc, TGarminObject& object, std::string_view row) {
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
    doc.Modified = true;
    return listText;
}

bool AppendLabelLine(TypDocument& doc, TGarminObject& object, std::string_view languageRow) {
    if (languageRow.size() < 4) return false;
    object.Labels.push_back(std::string(languageRow.substr(0, 4)) + ",");
    doc.Modified = true;
    return true;
}

bool ChangeColourEntry(TypDocument& doc, TGarminObject& object, int view, int index, const SymbolEdit& edit) {
    if (edit.CodeText.empty() || (view != Day && view != Night)) return false;
    auto& table = object.Colours[size_t(view)];
    const size_t used = std::min<size_t>(table.size(), object.XpmHeader[size_t(view)].ColourCount);
    if (index < 0 || size_t(index) >= used) return false;
    const char oldCode = table[size_t(index)].Code;
    const char newCode = edit.CodeText.front();
    const TXpmHeader& header = object.XpmHeader[size_t(view)];
    auto& plane = object.Pixels[size_t(view)];
    for (size_t r = 0; r < plane.size() && r < header.Height; ++r)
        for (size_t c = 0; c < plane[r].size() && c < header.Width; ++c)
            if (plane[r][c] == oldCode) plane[r][c] = newCode;
    TakeSymbol(table[size_t(index)], edit);
    doc.Modified = true;
    return true;
}

bool AddColourEntry(TypDocument& doc, TGarminObject& object, int view, const SymbolEdit& edit) {
    if (edit.CodeText.empty() || (view != Day && view != Night)) return false;
    TXpmHeader& header = object.XpmHeader[size_t(view)];
    if (object.Kind != KindPoint || header.Width == 0 || header.ColourCount == 255) return false;
    auto& table = object.Colours[size_t(view)];
    // Entries past ColourCount are never read; the new one takes the place right after the last used.
    const size_t index = header.ColourCount;
    if (table.size() <= index) table.resize(index + 1);
    TakeSymbol(table[index], edit);
    header.ColourCount = uint8_t(header.ColourCount + 1);
    doc.Modified = true;
    return true;
}

} // namespace velmora
