// The text TYP form: its words and values (model/text_format.cpp), reading it into a document
// (model/text_reader.cpp) and writing a document back, byte for byte (model/text_writer.cpp).
#pragma once

#include "model/maintyp.h"
#include "model/translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The words of the text form, spelt as the program writes them. The reader takes each one in any
// letter case at the start of a line: "type" opens a "Type" line, "XPM=" and "DayXpm=" a day block.
namespace textform {
inline constexpr std::string_view IdSection = "[_id]";
inline constexpr std::string_view DrawOrderSection = "[_drawOrder]";
inline constexpr std::string_view PointSection = "[_point]";
inline constexpr std::string_view LineSection = "[_line]";
inline constexpr std::string_view PolygonSection = "[_polygon]";
inline constexpr std::string_view SectionEnd = "[end]";
inline constexpr std::string_view Type = "Type";
inline constexpr std::string_view SubType = "SubType";
inline constexpr std::string_view UseOrientation = "UseOrientation";
inline constexpr std::string_view Label = "string"; // followed by the label's number
inline constexpr std::string_view FontStyle = "FontStyle";
inline constexpr std::string_view DayLabelColour = "DaycustomColor";
inline constexpr std::string_view NightLabelColour = "NightcustomColor";
inline constexpr std::string_view LineWidth = "LineWidth";
inline constexpr std::string_view BorderWidth = "BorderWidth";
inline constexpr std::string_view Xpm = "XPM"; // the bitmap of a line or polygon
inline constexpr std::string_view DayXpm = "DayXPM";
inline constexpr std::string_view NightXpm = "NightXPM";
inline constexpr std::string_view CodePage = "CodePage";
inline constexpr std::string_view NoColour = "none"; // a transparent colour: "c none"
// A key's value follows the first of these.
inline constexpr std::string_view KeyValueSeparators = "=:";
} // namespace textform

// An object that the reader appended whose section held a day bitmap block ("DayXPM" or "XPM"),
// with the Width, Height and ColourCount of the last such block.
struct DayBlockReport {
    TGarminObject* Object = nullptr;
    TXpmHeader Header;
};

// Reads the bytes of a text TYP file into doc, whose lists and HeaderLines the caller has emptied.
// Appends one report per object with a day block. Throws ConversionError on a number that does not
// convert; the objects completed before it stay in their lists (and in dayBlocks).
void ReadTextTyp(std::string_view bytes, TypDocument& doc, std::vector<DayBlockReport>& dayBlocks);

// Reads a text TYP file into doc as the open command does: empties the document, sets TypFormatMark
// to 0, reads, and gives every reported object its Quadrat (TQuadrat::Create from the day block).
// On ConversionError the objects read so far keep their Quadrat and the error is rethrown.
void LoadTextTypDocument(std::string_view bytes, TypDocument& doc);

// Hexadecimal text of up to six digits to a number; longer text gives 0.
int32_t ParseHex(std::string_view text);

// The four numbers of an XPM header line ("16 16 3 1" between double quotes).
void ParseXpmHeader(std::string_view line, TXpmHeader& header);

// The message of a number that the standard integer conversion does not accept, %1 the text.
inline constexpr EngineSentence NotValidInteger{"Reader",
                                                TranslateNoop("Reader", "'%1' is not a valid integer value")};

// The standard integer conversion: leading blanks, optional sign, decimal digits, or hexadecimal
// after "$", "x", "X", "0x", "0X"; nothing may follow; the value must fit 32 bits.
// Throws ConversionError("'<text>' is not a valid integer value").
int32_t StrToInt(std::string_view text);

// The text of a key line after the first "=" or ":", whichever comes first, as it stands; without
// either the whole line.
std::string_view KeyLineText(std::string_view line);
// The same without blanks at either end.
std::string_view KeyLineValue(std::string_view line);

// A label colour "#RRGGBB" (exactly) as red + 256 * green + 65536 * blue, or none.
std::optional<uint32_t> ParseLabelColour(std::string_view value);

// The value of "alpha=N" in the text after a colour line's closing quote, as the map compiler finds
// it: the first "alpha" (this letter case only) followed by "=" and a decimal number, blanks allowed
// around the "=".
std::optional<uint32_t> FindAlphaKey(std::string_view tail);

// The font style a "FontStyle" value names, as the map compiler reads it: NoLabel (and every value
// that begins so, "NoLabel (invisible)"), SmallFont or Small, NormalFont or Normal, LargeFont or
// Large, in any letter case; anything else, "Default" among it, is the default font.
uint8_t ParseFontStyle(std::string_view value);

// The canonical "FontStyle" value of a font style.
std::string_view FontStyleName(uint8_t fontStyle);

// The four-bit alpha (0 opaque .. 15 transparent) of the opacity byte "AA" of "#RRGGBBAA"
// (255 opaque .. 0 transparent), and of "alpha=N" on a colour line.
uint8_t AlphaOfOpacity(uint8_t opacity);
uint8_t AlphaOfAlphaKey(uint32_t value);

// The two characters that stand for a code with two characters per pixel: a printable code (space
// to "~" but the double quote) doubled, any other byte as "~" or "}" and a printable character other
// than those two, so that the file stays plain text; and the code a pair of the second kind, or a
// doubled printable code, stands for.
std::array<char, 2> TwoCharCode(char code);
std::optional<char> CodeOfTwoChars(char first, char second);

// The value of the header's "CodePage" line (key in any letter case), or nothing.
std::string_view DeclaredCodePage(const std::vector<std::string>& headerLines);

// Whether the written file is UTF-8 text, the program's head lines and marks included: it has a
// byte-order mark, names code page 65001, or its text is UTF-8, whatever code page it names (map
// makers with labels in several scripts run the map compiler with code page 65001 over such files).
bool WritesUtf8(const TypDocument& doc);

// The whole text file for doc; dateTimeText is what follows ";" on the second head line. A document
// read from text is written as its text stood, apart from the head lines: an object the user did not
// change and the header lines he did not edit keep their bytes, line ends, blank lines and place;
// an edited object keeps the lines whose values did not change, and a new one goes after the last
// object of its kind. Other documents are written in the program's own form.
std::string WriteTextTyp(const TypDocument& doc, std::string_view dateTimeText);

// The current local date and time in the system's short date and long time format.
std::string CurrentDateTimeText();

// The whole content of a file. Throws FileError naming the file.
std::string ReadWholeFile(const std::string& path);

// Writes bytes to path through a temporary file and a rename, so that a failure never leaves a
// half-written file in place of the old one. Throws FileError naming the file.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace velmora
