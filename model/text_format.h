// The text TYP form: reading it into a document and writing a document back, byte for byte.
#pragma once

#include "model/maintyp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

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

// The standard integer conversion: leading blanks, optional sign, decimal digits, or hexadecimal
// after "$", "x", "X", "0x", "0X"; nothing may follow; the value must fit 32 bits.
// Throws ConversionError("'<text>' is not a valid integer value").
int32_t StrToInt(std::string_view text);

// The whole text file for doc; dateTimeText is what follows ";" on the second head line.
std::string WriteTextTyp(const TypDocument& doc, std::string_view dateTimeText);

// The current local date and time in the system's short date and long time format.
std::string CurrentDateTimeText();

// The whole content of a file. Throws FileError naming the file.
std::string ReadWholeFile(const std::string& path);

// Writes bytes to path through a temporary file and a rename, so that a failure never leaves a
// half-written file in place of the old one. Throws FileError naming the file.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace velmora
