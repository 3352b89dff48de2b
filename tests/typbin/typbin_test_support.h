// Shared helpers of the compiled-import tests.
#pragma once

#include "typ_builder.h"
#include "typbin/binary_import.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

inline uint32_t U16At(const Bytes& file, size_t at) {
    return file[at] | uint32_t(file[at + 1]) << 8;
}
inline uint32_t U32At(const Bytes& file, size_t at) {
    return U16At(file, at) | U16At(file, at + 2) << 16;
}

// The records of one kind in the order they are stored.
inline std::vector<Bytes> Records(const Bytes& file, int kind) {
    const uint32_t dataOffset = U32At(file, size_t(23 + 8 * kind)),
                   dataLength = U32At(file, size_t(27 + 8 * kind));
    const uint32_t indexOffset = U32At(file, size_t(51 + 10 * kind)),
                   entrySize = U16At(file, size_t(55 + 10 * kind));
    const uint32_t indexLength = U32At(file, size_t(57 + 10 * kind));
    std::vector<uint32_t> offsets;
    for (uint32_t at = indexOffset; at + entrySize <= indexOffset + indexLength; at += entrySize) {
        uint32_t offset = 0;
        for (uint32_t i = 2; i < entrySize; ++i)
            offset |= uint32_t(file[at + i]) << (8 * (i - 2));
        offsets.push_back(offset);
    }
    std::sort(offsets.begin(), offsets.end());
    std::vector<Bytes> records;
    for (size_t i = 0; i < offsets.size(); ++i) {
        const uint32_t end = i + 1 < offsets.size() ? offsets[i + 1] : dataLength;
        records.emplace_back(file.begin() + dataOffset + offsets[i], file.begin() + dataOffset + end);
    }
    return records;
}

// The draw-order table of a compiled file as stored.
inline Bytes DrawOrderBytes(const Bytes& file) {
    const uint32_t at = U32At(file, 81);
    return Bytes(file.begin() + at, file.begin() + at + U32At(file, 87));
}

} // namespace velmora::test
