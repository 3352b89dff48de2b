// The compiler: a document in, the bytes of a compiled ("GARMIN TYP") file out, in the layout that
// the import reads back into the same document.
#pragma once

#include "model/maintyp.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Values that take the place of the "[_id]" lines of the document.
struct CompileOptions {
    std::optional<uint16_t> FamilyId;
    std::optional<uint16_t> ProductId;
    std::optional<uint16_t> CodePage;
};

struct CompileResult {
    std::vector<uint8_t> Bytes;
    std::vector<std::string> Warnings; // UTF-8, each naming its object
};

// The type and subtype under which an object is filed in the compiled file.
struct CompiledTypeKey {
    uint32_t Type = 0;
    uint32_t SubType = 0;

    friend bool operator==(const CompiledTypeKey&, const CompiledTypeKey&) = default;
};
CompiledTypeKey CompiledType(const TGarminObject& object);

// The language of a label line ("0x04,Forest" gives 4), read as the map compiler reads it: the low
// byte of a number before the first comma (decimal, "0x" hexadecimal, octal after a leading zero).
// None when the line names no language: the whole line is then a label of language 0.
std::optional<uint8_t> LabelLanguage(std::string_view label);

// "point type 0x2F subtype 0x01": how messages name an object.
std::string CompiledObjectName(const TGarminObject& object);

// The "[_id]" values of the document's header lines ("FID=", "ProductCode=", "CodePage=" in any
// letter case); absent ones stay empty. Throws ConversionError for a value that is not a number.
CompileOptions HeaderIdentity(const std::vector<std::string>& headerLines);

// Compiles doc. Options override the "[_id]" values. Throws TypError naming the object and the
// reason when an object cannot be written; a label that the code page cannot hold is left out
// with a warning.
CompileResult CompileTyp(const TypDocument& doc, const CompileOptions& options = {});

} // namespace velmora
