// Feeds arbitrary bytes to the compiled import and walks what it built.
#include "typbin/binary_import.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const velmora::BinaryImportResult result = velmora::ImportBinaryTyp(std::span(data, size));
        // Every matrix must be as large as its header says, and every table hold its colour count.
        for (int kind = 0; kind < 3; ++kind)
            for (const auto& object : result.Document.List(kind))
                for (int view = 0; view < 2; ++view) {
                    const velmora::TXpmHeader& header = object->XpmHeader[size_t(view)];
                    if (object->Colours[size_t(view)].size() < header.ColourCount) __builtin_trap();
                    // An alpha table is empty or as long as its colour table.
                    const auto& alpha = object->Alpha[size_t(view)];
                    if (!alpha.empty() && alpha.size() != object->Colours[size_t(view)].size())
                        __builtin_trap();
                    const auto& rows = object->Pixels[size_t(view)];
                    if (header.Width > 0 && rows.size() != header.Height) __builtin_trap();
                    for (const std::string& row : rows)
                        if (row.size() != header.Width) __builtin_trap();
                }
        // Labels are read inside their record up to each zero byte, so none holds one; the font
        // style is three bits.
        for (int kind = 0; kind < 3; ++kind)
            for (const auto& object : result.Document.List(kind)) {
                for (const std::string& label : object->Labels)
                    if (label.find('\0') != std::string::npos) __builtin_trap();
                if (object->FontStyle && *object->FontStyle > 7) __builtin_trap();
            }
    } catch (const velmora::TypError&) {
        // Not a compiled TYP file.
    }
    return 0;
}
