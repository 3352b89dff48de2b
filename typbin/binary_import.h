// The import of compiled ("GARMIN TYP") files into a new document.
#pragma once

#include "model/maintyp.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Shown when the signature of a compiled file is not "GARMIN TYP" (UTF-8; the two languages stand
// on two lines, separated by a carriage return).
inline constexpr std::string_view NotGarminTypMessage =
    "\xD0\xAD\xD1\x82\xD0\xBE\xD1\x82 \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB \xD0\xBD\xD0\xB5 GARMIN TYP\rNot a "
    "Garmin TYP file";

struct BinaryImportResult {
    TypDocument Document;              // HeaderLines, TypFormatMark and the three lists
    std::vector<std::string> Warnings; // e.g. an index entry size that is not read (UTF-8)
};

// Builds a complete new document from the bytes of a compiled file. Throws TypError with
// NotGarminTypMessage when the signature does not match; never changes anything else.
BinaryImportResult ImportBinaryTyp(std::span<const uint8_t> bytes);

// A file is taken for a compiled one when its name ends in ".typ" (any ASCII letter case) or its
// bytes 2 to 11 read "GARMIN TYP" (any ASCII letter case).
bool IsCompiledTypFile(std::string_view fileName, std::string_view bytes);

} // namespace velmora
