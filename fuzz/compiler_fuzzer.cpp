// Reads arbitrary bytes as a text TYP file, compiles what was read and imports the compiled bytes.
// Whatever the compiler writes, its import gives a document that compiles again into the same bytes.
#include "model/text_format.h"
#include "typbin/binary_import.h"
#include "typbin/typ_compiler.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::TypDocument doc;
    try {
        velmora::LoadTextTypDocument(bytes, doc);
    } catch (const velmora::TypError&) {
        // A number that does not convert stops the reading; what was read before it still compiles.
    }
    velmora::CompileResult compiled;
    try {
        compiled = velmora::CompileTyp(doc);
    } catch (const velmora::TypError&) {
        return 0; // an object that cannot be written, named in the message
    }
    const velmora::BinaryImportResult imported = velmora::ImportBinaryTyp(compiled.Bytes);
    if (!imported.Warnings.empty()) __builtin_trap();
    if (velmora::CompileTyp(imported.Document).Bytes != compiled.Bytes) __builtin_trap();
    return 0;
}
