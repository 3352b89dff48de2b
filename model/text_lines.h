// What each line of an object's text was to the reader, so that the writer can give an edited
// object back line by line: unchanged lines as they stood, changed values in the line's own spelling.
#pragma once

#include "model/ascii.h"
#include "model/maintyp.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

inline bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Where the digits of "alpha=N" stand in the text after a colour line's closing quote, as the map
// compiler finds them (FindAlphaKey).
std::optional<std::pair<size_t, size_t>> AlphaKeyDigits(std::string_view tail);

enum class LineRole : uint8_t {
    Gap,     // an empty line, or one of blanks only
    Outside, // a line outside the section (a comment banner before it, lines after the last "[end]")
    Section, // "[_point]", "[_line]", "[_polygon]"
    End,     // "[end]"
    Kept,    // a comment or a key the reader keeps as it stands
    Ignored, // a section line inside a section, which the reader steps over
    Type,
    SubType,
    Orientation,
    Label, // Index: the label
    Font,
    DayLabelColour,
    NightLabelColour,
    LineWidth,
    BorderWidth,
    XpmHeader, // Variant
    Colour,    // Variant, Index: the entry
    Row,       // Variant, Index: the row
};

struct SourceLine {
    LineRole Role = LineRole::Gap;
    uint8_t Variant = 0;
    uint32_t Index = 0;
    size_t Begin = 0;      // the line's first byte, blanks included
    size_t ContentEnd = 0; // where its line end begins
    size_t End = 0;        // after its line end
};

// Reads the text of one object section (with the lines around it that belong to it) as the file
// reader read it, and notes each line's role when lines is given. Gives none when the text does not
// hold exactly one object or a number in it does not convert.
std::unique_ptr<TGarminObject> ReadObjectText(std::string_view text, std::vector<SourceLine>* lines);

} // namespace velmora
