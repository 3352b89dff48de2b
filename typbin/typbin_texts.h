// The sentences of the compiler's and the import's messages: English, with %1, %2, ... for their
// parts, marked for lupdate. The engines fill them in; the window and velmora-typ word them in the
// user's language (TranslateEngineText) from translations/velmora_ru.ts.
#pragma once

#include "model/text_format.h"
#include "model/translatable.h"

#include <array>
#include <vector>

namespace velmora::CompilerText {

#define VELMORA_COMPILER_TEXT(name, text)                                                                    \
    inline constexpr EngineSentence name {                                                                   \
        "Compiler", text                                                                                     \
    }

VELMORA_COMPILER_TEXT(HeaderValue,
                      TranslateNoop("Compiler", "The header value %1=%2 does not fit the compiled "
                                                "header (0 to 65535)"));
VELMORA_COMPILER_TEXT(DrawOrderLineLeftOut,
                      TranslateNoop("Compiler", "The draw-order line \"%1\" is not written: %2"));
VELMORA_COMPILER_TEXT(NoLevel, TranslateNoop("Compiler", "it names no level"));
VELMORA_COMPILER_TEXT(LevelRange, TranslateNoop("Compiler", "levels run from 0 to %1"));
VELMORA_COMPILER_TEXT(TypeZeroEntry,
                      TranslateNoop("Compiler", "an entry of type 0x00 would read as the end of a level"));
VELMORA_COMPILER_TEXT(NotPolygonType,
                      TranslateNoop("Compiler", "the type is neither a polygon type up to 0xFF nor an "
                                                "extended one 0x1TTss with ss up to 0x1F"));
VELMORA_COMPILER_TEXT(CodePageSpelling,
                      TranslateNoop("Compiler", "The header line \"%1\" is not spelt \"%2\": mkgmap will "
                                                "not read the code page from it"));
VELMORA_COMPILER_TEXT(DrawOrderFromZero,
                      TranslateNoop("Compiler",
                                    "The draw order starts at level 0; every level is written one higher"));
VELMORA_COMPILER_TEXT(CannotCompileObject, TranslateNoop("Compiler", "Cannot compile %1: %2"));
VELMORA_COMPILER_TEXT(DayBitmapWithoutColours, TranslateNoop("Compiler", "the day bitmap has no colours"));
VELMORA_COMPILER_TEXT(NightBitmapWithoutColours,
                      TranslateNoop("Compiler", "the night bitmap has no colours"));
VELMORA_COMPILER_TEXT(DayCodesWithoutColour,
                      TranslateNoop("Compiler", "%1: day pixels of the codes \"%2\" name no colour"));
VELMORA_COMPILER_TEXT(NightCodesWithoutColour,
                      TranslateNoop("Compiler", "%1: night pixels of the codes \"%2\" name no colour"));
VELMORA_COMPILER_TEXT(MoreThanFourColours,
                      TranslateNoop("Compiler", "it has %1 colours; the record holds at most 4"));
VELMORA_COMPILER_TEXT(ColourCountNotStored,
                      TranslateNoop("Compiler", "it has %1 colours; the record holds 1, 2 or 4"));
VELMORA_COMPILER_TEXT(TransparentForeground,
                      TranslateNoop("Compiler", "a transparent foreground colour cannot be written"));
VELMORA_COMPILER_TEXT(PartialTransparency,
                      TranslateNoop("Compiler",
                                    "%1: the partial transparency of its colours is not written (lines "
                                    "and polygons are opaque or transparent)"));
VELMORA_COMPILER_TEXT(
    LabelOutsideCodePage,
    TranslateNoop("Compiler", "%1: the label \"%2\" cannot be written in code page %3 and is left out"));
VELMORA_COMPILER_TEXT(LabelsTooLong,
                      TranslateNoop("Compiler", "its labels take %1 bytes; a record holds at most 2097151"));
VELMORA_COMPILER_TEXT(NightSizeDiffers,
                      TranslateNoop("Compiler", "the night bitmap is %1 x %2, the day bitmap %3 x %4; "
                                                "both must be equal"));
VELMORA_COMPILER_TEXT(LineBitmapWidth,
                      TranslateNoop("Compiler", "its bitmap is %1 pixels wide; a line bitmap is 32 wide"));
VELMORA_COMPILER_TEXT(LineBitmapRows,
                      TranslateNoop("Compiler", "its bitmap has %1 rows; a line bitmap has at most 31"));
VELMORA_COMPILER_TEXT(OnlyColourTransparent, TranslateNoop("Compiler", "its only colour is transparent"));
VELMORA_COMPILER_TEXT(LineTooWide,
                      TranslateNoop("Compiler",
                                    "line width %1 with border width %2 is wider than 255 pixels"));
VELMORA_COMPILER_TEXT(PolygonBitmapSize,
                      TranslateNoop("Compiler", "its bitmap is %1 x %2; a polygon bitmap is 32 x 32"));
VELMORA_COMPILER_TEXT(UnknownCodePage,
                      TranslateNoop("Compiler", "Cannot compile: labels cannot be converted to code "
                                                "page %1 (code pages 1250 to 1258 and 65001 are known)"));
VELMORA_COMPILER_TEXT(TypeOutOfRange,
                      TranslateNoop("Compiler",
                                    "the type is out of range (types up to 0x7FF, subtypes up to 0x1F)"));
VELMORA_COMPILER_TEXT(PointName, TranslateNoop("Compiler", "point type %1 subtype %2"));
VELMORA_COMPILER_TEXT(LineName, TranslateNoop("Compiler", "line type %1 subtype %2"));
VELMORA_COMPILER_TEXT(PolygonName, TranslateNoop("Compiler", "polygon type %1 subtype %2"));
VELMORA_COMPILER_TEXT(PointDefinedTwice,
                      TranslateNoop("Compiler", "The point type %1 subtype %2 is defined more than once"));
VELMORA_COMPILER_TEXT(LineDefinedTwice,
                      TranslateNoop("Compiler", "The line type %1 subtype %2 is defined more than once"));
VELMORA_COMPILER_TEXT(PolygonDefinedTwice,
                      TranslateNoop("Compiler", "The polygon type %1 subtype %2 is defined more than once"));

#undef VELMORA_COMPILER_TEXT

// The name of an object in a message, and a type defined twice, by kind.
inline constexpr std::array<const EngineSentence*, 3> ObjectName = {&PointName, &LineName, &PolygonName};
inline constexpr std::array<const EngineSentence*, 3> DefinedTwice = {&PointDefinedTwice, &LineDefinedTwice,
                                                                      &PolygonDefinedTwice};

inline constexpr std::array All = {
    &HeaderValue,
    &DrawOrderLineLeftOut,
    &NoLevel,
    &LevelRange,
    &TypeZeroEntry,
    &NotPolygonType,
    &CodePageSpelling,
    &DrawOrderFromZero,
    &CannotCompileObject,
    &DayBitmapWithoutColours,
    &NightBitmapWithoutColours,
    &DayCodesWithoutColour,
    &NightCodesWithoutColour,
    &MoreThanFourColours,
    &ColourCountNotStored,
    &TransparentForeground,
    &PartialTransparency,
    &LabelOutsideCodePage,
    &LabelsTooLong,
    &NightSizeDiffers,
    &LineBitmapWidth,
    &LineBitmapRows,
    &OnlyColourTransparent,
    &LineTooWide,
    &PolygonBitmapSize,
    &UnknownCodePage,
    &TypeOutOfRange,
    &PointName,
    &LineName,
    &PolygonName,
    &PointDefinedTwice,
    &LineDefinedTwice,
    &PolygonDefinedTwice,
};

} // namespace velmora::CompilerText

namespace velmora::ImportText {

#define VELMORA_IMPORT_TEXT(name, text)                                                                      \
    inline constexpr EngineSentence name {                                                                   \
        "Import", text                                                                                       \
    }

VELMORA_IMPORT_TEXT(PointIndexNotRead,
                    TranslateNoop("Import", "The point index has entries of %1 bytes, which are "
                                            "not read; no points were imported"));
VELMORA_IMPORT_TEXT(LineIndexNotRead,
                    TranslateNoop("Import", "The line index has entries of %1 bytes, which are not "
                                            "read; no lines were imported"));
VELMORA_IMPORT_TEXT(PolygonIndexNotRead,
                    TranslateNoop("Import", "The polygon index has entries of %1 bytes, which "
                                            "are not read; no polygons were imported"));
VELMORA_IMPORT_TEXT(
    FileEndsEarly,
    TranslateNoop("Import", "The file ends after %1 of the %2 bytes its header announces: %3 points, "
                            "%4 lines and %5 polygons were read, the last of them possibly incomplete"));
VELMORA_IMPORT_TEXT(BudgetExceeded,
                    TranslateNoop("Import", "The file announces far larger bitmaps or labels than it "
                                            "holds; some of them were left empty"));

#undef VELMORA_IMPORT_TEXT

inline constexpr std::array<const EngineSentence*, 3> IndexNotRead = {&PointIndexNotRead, &LineIndexNotRead,
                                                                      &PolygonIndexNotRead};

inline constexpr std::array All = {&PointIndexNotRead, &LineIndexNotRead, &PolygonIndexNotRead,
                                   &FileEndsEarly, &BudgetExceeded};

} // namespace velmora::ImportText

namespace velmora {

// Every sentence of the engines' messages that reach the user apart from file errors: the
// compiler's, the import's and the text reader's.
inline const std::vector<const EngineSentence*>& EngineSentences() {
    static const std::vector<const EngineSentence*> all = [] {
        std::vector<const EngineSentence*> sentences(CompilerText::All.begin(), CompilerText::All.end());
        sentences.insert(sentences.end(), ImportText::All.begin(), ImportText::All.end());
        sentences.push_back(&NotValidInteger);
        return sentences;
    }();
    return all;
}

} // namespace velmora
