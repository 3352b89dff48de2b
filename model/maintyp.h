// The document of the editor: TYP objects, their colour tables and bitmaps, and the
// document state that the reader, the writer, the import, the view and the commands share.
#pragma once

#include "velmora_version.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The two variants of a bitmap. Lines and polygons use only Day.
inline constexpr int Day = 0;
inline constexpr int Night = 1;

// Object kinds, as stored in TGarminObject::Kind and shown by the kind chooser.
inline constexpr uint8_t KindPoint = 0;
inline constexpr uint8_t KindLine = 1;
inline constexpr uint8_t KindPolygon = 2;

// The mark of a transparent ("none") colour in TColourEntry::TransparentMark.
inline constexpr char TransparentMarkNone = 'n';

// The value TypFormatMark takes from a compiled file of the NT layout, and of the OLD one.
inline constexpr int32_t TypFormatNT = 0x6E;
inline constexpr int32_t TypFormatOld = 0x5B;

// The code characters that the import hands out to colour indexes 0, 1, 2, ...
inline constexpr std::string_view CodeAlphabet =
    "X-*#%1234567890ABCDEFGHIJKLMNOPQRSTUVWYZabcdefghijklmnopqrstuvwxyz!@$^&()=+/<>,:;~";
static_assert(CodeAlphabet.size() == 82);

// The version text of the about box and of the first line of every saved file.
inline constexpr std::string_view VersionText = "Version " VELMORA_VERSION;

// Size and colour count of one bitmap variant; every value is a byte.
struct TXpmHeader {
    uint8_t Width = 0;
    uint8_t Height = 0;
    uint8_t ColourCount = 0;
    uint8_t CharsPerPixel = 0;

    friend bool operator==(const TXpmHeader&, const TXpmHeader&) = default;
};
static_assert(sizeof(TXpmHeader) == 4);

// A colour as red + 256 * green + 65536 * blue: a colour entry's value, a label colour.
using ColourValue = uint32_t;

// One colour of a table. The clipboard copies entries in exactly this 14-byte layout
// (little-endian integers), so the record is packed.
#pragma pack(push, 1)
struct TColourEntry {
    char Code = 0;            // the XPM code character; pixels of this colour hold it
    char TransparentMark = 0; // 'n' for "none"; anything else is opaque
    int32_t Red = 0;
    int32_t Green = 0;
    int32_t Blue = 0;

    bool IsTransparent() const { return TransparentMark == TransparentMarkNone; }
    // The 24-bit colour red + 256 * green + 65536 * blue, from the low byte of each component.
    ColourValue Colour() const {
        return ColourValue(uint8_t(Red)) | ColourValue(uint8_t(Green)) << 8 |
               ColourValue(uint8_t(Blue)) << 16;
    }
    void SetColour(ColourValue colour) {
        Red = int32_t(colour & 0xFF);
        Green = int32_t(colour >> 8 & 0xFF);
        Blue = int32_t(colour >> 16 & 0xFF);
    }

    friend bool operator==(const TColourEntry&, const TColourEntry&) = default;
};
#pragma pack(pop)
static_assert(sizeof(TColourEntry) == 14);

// The magnified pixel matrix of one object: its numbers only. Grid form when ColCount > 0, swatch
// form (a column of 100 x 100 squares, one per colour) when ColCount is 0. The picture belongs to the
// view that shows the object (one picture for the view, not one per object), so the format code
// needs no drawing library and a document of hundreds of objects holds no magnified bitmaps.
struct TQuadrat {
    int32_t RowCount = 0;
    int32_t ColCount = 0;
    int32_t CellSize = 20;
    int32_t SwatchCount = 0; // the colour count given at construction: the swatch form's height / 100

    // The values of a new matrix for a bitmap of Width x Height with ColourCount colours.
    static TQuadrat Create(int width, int height, int colourCount) {
        TQuadrat q;
        q.RowCount = height;
        q.ColCount = width;
        q.SwatchCount = colourCount;
        return q;
    }
};

// Where a kept line of an object section stood, so that the writer puts it back in the same place.
// The writer writes the keys it knows in a fixed order; a kept line follows the last of them that
// stood before it in the file, or, inside a bitmap block, precedes a colour line or pixel row.
// The last places are not positions but the spellings of values the model holds: the writer writes
// such a text in place of its own form while the value it gives is still the model's value.
enum class KeptPlace : uint8_t {
    SectionStart, // before any key the writer writes
    AfterType,    // after "Type" and "SubType"
    AfterOrientation,
    AfterLabels,              // after the "string" lines
    AfterFont,                // after "FontStyle", "DaycustomColor" and "NightcustomColor"
    AfterWidths,              // after "LineWidth" and "BorderWidth"
    XpmHeaderTail,            // text after the closing quote of the XPM header of Variant ("Colormode=16")
    BeforeColour,             // before colour line Index of the block of Variant
    BeforeRow,                // before pixel row Index of the block of Variant
    AfterBlock,               // after the last pixel row of the block of Variant
    BeforeSection,            // outside any section, before this object's section line (a comment banner)
    AfterSection,             // outside any section, after this object's "[end]" (the end of the file)
    FontSpelling,             // the "FontStyle" line as the file wrote it ("FontStyle=NoLabel (invisible)")
    DayLabelColourSpelling,   // the "DaycustomColor" line as the file wrote it
    NightLabelColourSpelling, // the "NightcustomColor" line as the file wrote it
    ColourTail,               // text after the closing quote of colour line Index of Variant ("  alpha=15")
    ColourAlphaDigits,        // the two alpha digits of "#RRGGBBAA" on colour line Index of Variant
};

// A line of an object section that the reader does not use (a comment, a key it does not know,
// "ExtendedLabels", "CustomColor", ...), kept byte for byte and written back where it stood.
struct TKeptLine {
    KeptPlace Place = KeptPlace::SectionStart;
    uint8_t Variant = 0; // Day or Night, for the places inside or after a bitmap block
    uint16_t Index = 0;  // the colour line or pixel row it precedes
    std::string Text;

    friend bool operator==(const TKeptLine&, const TKeptLine&) = default;
};

// The font of an object's labels: the low three bits of the compiled font byte. "FontStyle=" names
// them NoLabel, SmallFont, NormalFont, LargeFont and Default.
inline constexpr uint8_t FontDefault = 0;
inline constexpr uint8_t FontNoLabel = 1;
inline constexpr uint8_t FontSmall = 2;
inline constexpr uint8_t FontNormal = 3;
inline constexpr uint8_t FontLarge = 4;

// The alpha of a colour in the compiled form's four bits: 0 opaque, 15 fully transparent.
inline constexpr uint8_t AlphaOpaque = 0;
inline constexpr uint8_t AlphaTransparent = 15;

// The text a document was read from, kept so that saving gives back every byte the user did not
// change. Offsets count from the start of Text.
struct TTextSource {
    // Where one header line as read stood: the blank lines before it (from Begin), the line itself
    // (LineBegin to ContentEnd, leading blanks included) and its line end (to End). The empty line the
    // reader adds after "[_id]" has no bytes: all four are equal.
    struct HeaderLine {
        size_t Begin = 0;
        size_t LineBegin = 0;
        size_t ContentEnd = 0;
        size_t End = 0;
    };

    std::string Text;                    // the file's bytes after its byte-order mark
    size_t HeadEnd = 0;                  // where the text after the head lines of an earlier save begins
    size_t TailBegin = 0;                // where the text after the last header line or object begins
    std::vector<HeaderLine> HeaderLines; // one per line of HeaderLines as read
};

// Where an object read from text stood in its file (Begin to End: the blank lines and comments before
// its section, the section, and for the last object the lines after it), and the fingerprint of what
// the reader made of it: while the object's fingerprint is still that one, it is written as it stood.
struct TObjectSource {
    std::shared_ptr<const TTextSource> File;
    size_t Begin = 0;
    size_t End = 0;
    uint64_t Fingerprint = 0;
};

// One point, line or polygon type of the style.
struct TGarminObject {
    uint8_t Kind = 0;                // 0 point, 1 line, 2 polygon
    uint32_t TypeCode = 0;           // the "Type" value
    uint32_t SubTypeCode = 0;        // the "SubType" value (points)
    int32_t UseOrientation = 0;      // 1 for "UseOrientation=Y" (lines); > 0 counts as set
    std::vector<std::string> Labels; // "0x" language "," text, kept byte for byte
    uint8_t LineWidth = 0;
    uint8_t BorderWidth = 0;
    std::array<TXpmHeader, 2> XpmHeader{};            // [Day, Night]
    std::array<std::vector<TColourEntry>, 2> Colours; // [Day, Night]
    std::array<std::vector<std::string>, 2> Pixels;   // [Day, Night]: rows of code characters
    std::optional<TQuadrat> Quadrat;                  // the magnified matrix, or none

    // Label font and colours; none when the file names none.
    std::optional<uint8_t> FontStyle;
    std::optional<ColourValue> DayLabelColour;
    std::optional<ColourValue> NightLabelColour;
    // The alpha of each colour entry, beside Colours: empty when every colour is opaque, otherwise as
    // long as the table of its variant. Read it through ColourAlpha.
    std::array<std::vector<uint8_t>, 2> Alpha;
    // The lines of the section that the reader does not use, in their order.
    std::vector<TKeptLine> KeptLines;
    // The text the object was read from; none for an object created, pasted or imported.
    TObjectSource Source;

    uint8_t ColourAlpha(int variant, size_t entry) const {
        const auto& alpha = Alpha[size_t(variant)];
        return entry < alpha.size() ? alpha[entry] : AlphaOpaque;
    }
    // Sets the alpha of one entry, growing the alpha table to the colour table's length when needed.
    void SetColourAlpha(int variant, size_t entry, uint8_t alpha) {
        auto& table = Alpha[size_t(variant)];
        if (entry >= table.size()) {
            if (alpha == AlphaOpaque) return;
            table.resize(std::max(entry + 1, Colours[size_t(variant)].size()), AlphaOpaque);
        }
        table[entry] = alpha;
    }
};

using ObjectList = std::vector<std::unique_ptr<TGarminObject>>;

// A fingerprint of everything of an object that its text says (Source and the matrix aside).
uint64_t ContentFingerprint(const TGarminObject& object);

// Everything of an object that the file keeps (its matrix and source aside) is the same in a and b.
bool SameContent(const TGarminObject& a, const TGarminObject& b);

// The "[_id]" and "[_drawOrder]" lines of a new document.
std::vector<std::string> DefaultHeaderLines();

// The whole document state. The main window owns one; engines take it by reference.
struct TypDocument {
    ObjectList PointList;
    ObjectList LineList;
    ObjectList PolygonList;
    TGarminObject* CurrentObject = nullptr; // refers, never owns
    bool Modified = false;
    std::vector<std::string> HeaderLines = DefaultHeaderLines();
    std::string WorkFolder;
    int32_t TypFormatMark = 0;
    // The text form of the file the document came from: UTF-8 documents are written as UTF-8, the
    // program's head lines included, and keep their byte-order mark.
    bool Utf8 = false;
    bool ByteOrderMark = false;
    // The text the document was read from; none for an imported or a new document, which are written
    // in the program's own form.
    std::shared_ptr<const TTextSource> Source;

    ObjectList& List(int kind) {
        return kind == KindPoint ? PointList : kind == KindLine ? LineList : PolygonList;
    }
    const ObjectList& List(int kind) const {
        return kind == KindPoint ? PointList : kind == KindLine ? LineList : PolygonList;
    }
    // Empties the three lists, HeaderLines, CurrentObject and Source.
    void Clear();
};

// What the run-time library would report: the message is the text the user sees.
struct TypError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A number that the standard integer conversion does not accept: "'%s' is not a valid integer value".
struct ConversionError : TypError {
    using TypError::TypError;
};
// A file that cannot be read or written; the message names the file. Its parts stay apart, so that
// the window and velmora-typ can word it in the user's language.
struct FileError : TypError {
    // action: a sentence with %1 for the file ("Cannot open file \"%1\"."); reason: the program's own
    // reason, or the system's English text of systemError (an errno value, 0 for none).
    FileError(std::string action, std::string path, std::string reason, int systemError = 0);
    std::string Action;
    std::string Path;
    std::string Reason;
    int SystemError = 0;
};

// The system's text of an errno value: in English, or in the language of the user's locale
// (LC_MESSAGES), as far as the C library has it.
std::string SystemErrorText(int error, bool inUsersLanguage);

// The message of a file error in the user's language: its sentence and the program's own reason put
// through translate (which gives a text of the "FileError" context as UTF-8), the system's reason
// in the user's locale or in English. With the identity and false it is the error's what().
std::string FileErrorText(const FileError& error, const std::function<std::string(const char*)>& translate,
                          bool inUsersLanguage);

} // namespace velmora
