// Shared helpers of the compiled-import tests.
#pragma once

#include "typ_builder.h"
#include "typbin/binary_import.h"

#include <cstdio>
#include <string>

namespace velmora::test {

inline BinaryImportResult Import(const Bytes& file) {
    return ImportBinaryTyp(file);
}
inline BinaryImportResult Import(const TypBuilder& builder) {
    return ImportBinaryTyp(builder.Build());
}

// The colour table of one variant as "X=FF0000 -=none ...", entries 0 to ColourCount - 1.
inline std::string TableText(const TGarminObject& object, int view = Day) {
    std::string text;
    const auto& table = object.Colours[size_t(view)];
    for (size_t i = 0; i < object.XpmHeader[size_t(view)].ColourCount && i < table.size(); ++i) {
        if (!text.empty()) text += ' ';
        text += table[i].Code;
        char colour[8];
        std::snprintf(colour, sizeof colour, "%02X%02X%02X", unsigned(table[i].Red), unsigned(table[i].Green),
                      unsigned(table[i].Blue));
        text += '=';
        text += table[i].IsTransparent() ? std::string("none") : std::string(colour);
    }
    return text;
}

} // namespace velmora::test
