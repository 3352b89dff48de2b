// A document described object by object in a form that two documents of the same style share
// whatever their colour codes: the header values, the draw order, and for each object its type,
// labels (as UTF-8), font, and what every pixel shows. The compiled form cannot keep some choices
// of the text form; Describe folds each of them into the one form the compiled file keeps, and the
// comment at each fold names it.
#pragma once

#include "typbin/code_pages.h"
#include "typbin/typ_compiler.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

inline std::string Rgb(uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
    return text;
}

inline bool IsClearEntry(const TGarminObject& object, int view, size_t entry) {
    return object.Colours[size_t(view)][entry].IsTransparent() ||
           object.ColourAlpha(view, entry) == AlphaTransparent;
}

// "#RRGGBB", "#RRGGBB@alpha" or "none".
inline std::string EntryText(const TGarminObject& object, int view, size_t entry) {
    if (IsClearEntry(object, view, entry)) return "none";
    std::string text = Rgb(object.Colours[size_t(view)][entry].Colour());
    if (const uint8_t alpha = object.ColourAlpha(view, entry)) text += "@" + std::to_string(alpha);
    return text;
}

inline size_t CountOf(const TGarminObject& object, int view) {
    return std::min<size_t>(object.XpmHeader[size_t(view)].ColourCount, object.Colours[size_t(view)].size());
}

// The code page the labels of doc are written in.
inline uint32_t LabelCodePage(const TypDocument& doc) {
    if (doc.Utf8) return CodePageUtf8;
    const CompileOptions identity = HeaderIdentity(doc.HeaderLines);
    return identity.CodePage && IsKnownCodePage(*identity.CodePage) ? *identity.CodePage : 1251;
}

// A table and its pixels as entry numbers ('?' for a code that names no entry).
struct Indexed {
    std::vector<std::string> Table;
    std::vector<std::string> Rows;
};

inline Indexed IndexedVariant(const TGarminObject& object, int view) {
    Indexed indexed;
    const size_t count = CountOf(object, view);
    for (size_t i = 0; i < count; ++i)
        indexed.Table.push_back(EntryText(object, view, i));
    for (const std::string& row : object.Pixels[size_t(view)]) {
        std::string out;
        for (char code : row) {
            char value = '?';
            for (size_t i = 0; i < count; ++i)
                if (object.Colours[size_t(view)][i].Code == code) {
                    value = char('A' + std::min<size_t>(i, 60));
                    break;
                }
            out += value;
        }
        indexed.Rows.push_back(out);
    }
    return indexed;
}

// Moves table entry from to the end, renumbering the pixels.
inline void MoveToEnd(Indexed& indexed, size_t from) {
    const size_t last = indexed.Table.size() - 1;
    std::rotate(indexed.Table.begin() + ptrdiff_t(from), indexed.Table.begin() + ptrdiff_t(from) + 1,
                indexed.Table.end());
    for (std::string& row : indexed.Rows)
        for (char& value : row) {
            if (value == '?') continue;
            const size_t i = size_t(value - 'A');
            value = char('A' + (i == from ? last : i > from ? i - 1 : i));
        }
}

inline bool Uses(const Indexed& indexed, size_t entry) {
    for (const std::string& row : indexed.Rows)
        if (row.find(char('A' + entry)) != std::string::npos) return true;
    return false;
}

inline std::string DescribePointVariant(const TGarminObject& object, int view, bool withNight) {
    Indexed indexed = IndexedVariant(object, view);
    const auto& table = indexed.Table;
    const size_t clear = size_t(std::count(table.begin(), table.end(), "none"));
    const bool partial = std::any_of(table.begin(), table.end(),
                                     [](const std::string& e) { return e.find('@') != std::string::npos; });
    // One transparent colour is stored after the opaque ones.
    if (clear == 1 && !partial)
        MoveToEnd(indexed, size_t(std::find(table.begin(), table.end(), "none") - table.begin()));
    // A point with a night bitmap gets a transparent entry after the stored colours of each table.
    if (withNight)
        while (!indexed.Table.empty() && indexed.Table.back() == "none" &&
               !Uses(indexed, indexed.Table.size() - 1))
            indexed.Table.pop_back();
    std::string text =
        std::to_string(object.XpmHeader[Day].Width) + "x" + std::to_string(object.XpmHeader[Day].Height);
    for (const std::string& entry : indexed.Table)
        text += " " + entry;
    for (const std::string& row : indexed.Rows)
        text += "\n    " + row;
    return text;
}

inline bool HasNight(const TGarminObject& object) {
    const TXpmHeader& night = object.XpmHeader[Night];
    return night.Width > 0 || night.Height > 0;
}

// Lines and polygons: what each pixel shows by day and by night (a pixel of entry 0 or 1 shows the
// entry two further on by night when the table holds a night pair).
inline std::string PairPictures(const TGarminObject& object) {
    const size_t count = CountOf(object, Day);
    std::string text;
    for (bool night : {false, true}) {
        const size_t shift = night && count > 2 ? 2 : 0;
        for (const std::string& row : object.Pixels[Day]) {
            text += "\n    ";
            for (char code : row) {
                // A compiled bitmap has one bit a pixel: a pixel of any code but the first two
                // entries' shows the second.
                size_t entry = 1;
                for (size_t i = 0; i < 2 && i < count; ++i)
                    if (object.Colours[Day][i].Code == code) {
                        entry = i;
                        break;
                    }
                const std::string shown = entry + shift < count ? EntryText(object, Day, entry + shift) : "?";
                text += shown == "none" ? '.' : shown == "?" ? '?' : '#';
                text += shown == "none" || shown == "?" ? "" : shown.substr(1);
                text += ' ';
            }
        }
    }
    return text;
}

inline std::vector<std::string> SolidTable(const TGarminObject& object) {
    std::vector<std::string> table;
    for (size_t i = 0; i < CountOf(object, Day); ++i)
        table.push_back(EntryText(object, Day, i));
    return table;
}

inline std::string Join(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += " " + part;
    return text;
}

// The bytes of a polygon pattern as the compiler writes them: a set bit for the first colour.
inline bool UniformPattern(const TGarminObject& object) {
    const auto& rows = object.Pixels[Day];
    if (rows.empty()) return true;
    const char fore = object.Colours[Day][0].Code;
    std::vector<uint8_t> bytes;
    for (const std::string& row : rows)
        for (size_t b = 0; b < 4; ++b) {
            uint8_t byte = 0;
            for (size_t k = 0; k < 8; ++k)
                if (b * 8 + k < row.size() && row[b * 8 + k] == fore) byte |= uint8_t(1 << k);
            bytes.push_back(byte);
        }
    return std::all_of(bytes.begin(), bytes.end(), [&](uint8_t b) { return b == bytes[0]; });
}

inline std::string DescribeLineOrPolygon(const TGarminObject& object) {
    const bool polygon = object.Kind == KindPolygon;
    const TXpmHeader& day = object.XpmHeader[Day];
    std::vector<std::string> table = SolidTable(object);
    bool bitmap = day.Width > 0 && day.Height > 0;
    // A polygon pattern of one colour, of two equal colours, or whose bytes are all equal, is read
    // back as a solid area.
    if (polygon && bitmap &&
        (table.size() < 2 ||
         (table[0] != "none" && table[1] != "none" &&
          object.Colours[Day][0].Colour() == object.Colours[Day][1].Colour()) ||
         UniformPattern(object)))
        bitmap = false;
    std::string text =
        object.Kind == KindLine ? (object.UseOrientation > 0 ? " oriented" : " unoriented") : "";
    if (bitmap) {
        // A one-colour line pattern is read back with a transparent background.
        return text + " " + std::to_string(day.Width) + "x" + std::to_string(day.Height) +
               PairPictures(object);
    }
    uint32_t lineWidth = object.LineWidth, borderWidth = object.BorderWidth;
    if (polygon) {
        // A solid area shows its first opaque colour: a transparent first colour comes second.
        if (table.size() == 2 && table[0] == "none") std::swap(table[0], table[1]);
        if (table.size() == 4 && table[0] == "none" && table[2] == "none") {
            std::swap(table[0], table[1]);
            std::swap(table[2], table[3]);
        }
        return text + " solid" + Join(table);
    }
    // A solid line's transparent border is no border: it keeps the line colours only.
    if (table.size() == 2 && table[1] == "none") table.pop_back();
    if (table.size() == 4 && table[1] == "none" && table[3] == "none") table = {table[0], table[2]};
    if (table.size() < 2 || (table.size() == 2 && borderWidth == 0)) borderWidth = 0;
    return text + " solid" + Join(table) + " width " + std::to_string(lineWidth) + "/" +
           std::to_string(borderWidth);
}

inline std::string DescribeLabels(const TypDocument& doc, const TGarminObject& object) {
    std::string text;
    for (const std::string& label : object.Labels) {
        // A line without a language number is a label of language 0 as a whole, after its leading
        // blanks; such a line that is empty is no label.
        const std::optional<uint8_t> language = LabelLanguage(label);
        std::string raw = language ? label.substr(label.find(',') + 1) : label;
        if (!language) raw.erase(0, std::min(raw.size(), raw.find_first_not_of(" \t")));
        if (!language && raw.empty()) continue;
        text += "\n  label " + std::to_string(language.value_or(0)) + " \"" +
                ConvertText(raw, LabelCodePage(doc), CodePageUtf8).value_or(raw) + "\"";
    }
    return text;
}

inline std::string DescribeObject(const TypDocument& doc, const TGarminObject& object) {
    std::string text = CompiledObjectName(object);
    if (object.Kind == KindPoint) {
        text += " " + DescribePointVariant(object, Day, HasNight(object));
        if (HasNight(object)) text += "\n  night " + DescribePointVariant(object, Night, true);
    } else {
        text += DescribeLineOrPolygon(object);
    }
    text += DescribeLabels(doc, object);
    if (object.FontStyle || object.DayLabelColour || object.NightLabelColour) {
        // Label colours without a style are written with the default style.
        text += "\n  font " + std::to_string(object.FontStyle.value_or(FontDefault));
        if (object.DayLabelColour) text += " day " + Rgb(*object.DayLabelColour);
        if (object.NightLabelColour) text += " night " + Rgb(*object.NightLabelColour);
    }
    return text;
}

// The header values and the draw order, as the compiler reads them.
inline std::string DescribeHeader(const TypDocument& doc) {
    const CompileOptions identity = HeaderIdentity(doc.HeaderLines);
    std::string text = "FID " + std::to_string(identity.FamilyId.value_or(0)) + " product " +
                       std::to_string(identity.ProductId.value_or(1)) + " code page " +
                       std::to_string(identity.CodePage.value_or(1251)) + "\ndraw order";
    bool inDrawOrder = false;
    std::vector<std::pair<long, long>> order;
    for (const std::string& line : doc.HeaderLines) {
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return char(std::tolower(c)); });
        if (lower.rfind("[", 0) == 0) inDrawOrder = lower.rfind("[_draworder]", 0) == 0;
        const size_t comma = lower.find(',');
        if (!inDrawOrder || lower.rfind("type=", 0) != 0 || comma == std::string::npos) continue;
        order.emplace_back(std::strtol(lower.c_str() + 5, nullptr, 16),
                           std::strtol(lower.c_str() + comma + 1, nullptr, 10));
    }
    // A draw order that starts at level 0 is written one level higher throughout.
    if (std::any_of(order.begin(), order.end(), [](const auto& entry) { return entry.second == 0; }))
        for (auto& entry : order)
            ++entry.second;
    std::sort(order.begin(), order.end());
    for (const auto& [type, level] : order)
        text += " " + std::to_string(type) + ":" + std::to_string(level);
    return text;
}

inline std::vector<std::string> DescribeDocument(const TypDocument& doc) {
    std::vector<std::string> lines{DescribeHeader(doc)};
    for (int kind : {KindPoint, KindLine, KindPolygon})
        for (const auto& object : doc.List(kind))
            lines.push_back(DescribeObject(doc, *object));
    return lines;
}

} // namespace velmora::test
