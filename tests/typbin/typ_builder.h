// A tiny builder of compiled TYP files for the tests: a header, the records of each kind with their
// index entries, and the draw-order table, laid out the way compilers write them.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {

using Bytes = std::vector<uint8_t>;

inline void Append(Bytes& to, const Bytes& what) {
    to.insert(to.end(), what.begin(), what.end());
}

// A colour as stored: blue, green, red, from 0xRRGGBB.
inline Bytes Bgr(uint32_t rgb) {
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)};
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        Append(all, part);
    return all;
}

// A label block: its length prefix (the shortest form unless prefixBytes forces one) and the labels.
inline Bytes LabelBlock(const std::vector<std::pair<uint8_t, std::string>>& labels, int prefixBytes = 0) {
    Bytes body;
    for (const auto& [language, text] : labels) {
        body.push_back(language);
        body.insert(body.end(), text.begin(), text.end());
        body.push_back(0);
    }
    const uint32_t length = uint32_t(body.size());
    if (prefixBytes == 0) prefixBytes = length < 0x80 ? 1 : length < 0x4000 ? 2 : 3;
    Bytes block;
    if (prefixBytes == 1) block = {uint8_t(length << 1 | 1)};
    if (prefixBytes == 2) block = {uint8_t(length << 2 | 2), uint8_t(length >> 6)};
    if (prefixBytes == 3) block = {uint8_t(length << 3), uint8_t(length >> 5), uint8_t(length >> 13)};
    Append(block, body);
    return block;
}

// A font byte (the style in bits 0-2) followed by the day and night label colours (0xRRGGBB) it
// announces.
inline Bytes Font(uint8_t style, std::optional<uint32_t> day = {}, std::optional<uint32_t> night = {}) {
    Bytes font = {uint8_t(style | (day ? 0x08 : 0) | (night ? 0x10 : 0))};
    if (day) Append(font, Bgr(*day));
    if (night) Append(font, Bgr(*night));
    return font;
}

struct TypBuilder {
    struct Entry {
        uint32_t Type = 0;
        uint32_t SubType = 0;
        uint32_t Offset = 0;
    };

    uint32_t HeaderLength = 91; // the polygon data follows the header: 91 marks OLD, 110 NT
    std::string Signature = "GARMIN TYP";
    uint16_t CodePage = 1252, FamilyId = 777, ProductCode = 1;
    std::array<Bytes, 3> Data;
    std::array<std::vector<Entry>, 3> Index;
    std::array<uint16_t, 3> EntrySize{4, 4, 4};
    Bytes DrawOrder;
    uint16_t DrawOrderEntrySize = 5;

    // Appends a record of kind (0 point, 1 line, 2 polygon) and its index entry.
    TypBuilder& Add(int kind, uint32_t type, uint32_t subType, const Bytes& record) {
        Index[size_t(kind)].push_back({type, subType, uint32_t(Data[size_t(kind)].size())});
        Append(Data[size_t(kind)], record);
        return *this;
    }
    TypBuilder& DrawLevel(uint8_t type, uint32_t mask = 0) {
        Append(DrawOrder,
               {type, uint8_t(mask), uint8_t(mask >> 8), uint8_t(mask >> 16), uint8_t(mask >> 24)});
        return *this;
    }
    TypBuilder& NextLevel() { return DrawLevel(0, 0); }

    Bytes Build() const {
        Bytes file(HeaderLength, 0);
        Put16(file, 0, uint16_t(HeaderLength));
        for (size_t i = 0; i < Signature.size() && 2 + i < file.size(); ++i)
            file[2 + i] = uint8_t(Signature[i]);
        Put16(file, 21, CodePage);
        Put16(file, 47, FamilyId);
        Put16(file, 49, ProductCode);
        std::array<uint32_t, 3> dataOffset{};
        for (int kind : {2, 1, 0}) {
            dataOffset[size_t(kind)] = uint32_t(file.size());
            Put32(file, 23 + 8 * kind, uint32_t(file.size()));
            Put32(file, 27 + 8 * kind, uint32_t(Data[size_t(kind)].size()));
            Append(file, Data[size_t(kind)]);
        }
        for (int kind : {0, 1, 2}) {
            const uint32_t start = uint32_t(file.size());
            for (const Entry& entry : Index[size_t(kind)]) {
                const uint32_t packed = entry.Type << 5 | entry.SubType;
                Append(file, {uint8_t(packed), uint8_t(packed >> 8)});
                for (int i = 0; i < EntrySize[size_t(kind)] - 2; ++i)
                    file.push_back(uint8_t(entry.Offset >> (8 * i)));
            }
            Put32(file, 51 + 10 * kind, start);
            Put16(file, 55 + 10 * kind, EntrySize[size_t(kind)]);
            Put32(file, 57 + 10 * kind, uint32_t(file.size()) - start);
        }
        Put32(file, 81, uint32_t(file.size()));
        Put16(file, 85, DrawOrderEntrySize);
        Put32(file, 87, uint32_t(DrawOrder.size()));
        Append(file, DrawOrder);
        return file;
    }

    static void Put16(Bytes& file, size_t at, uint16_t value) {
        file[at] = uint8_t(value), file[at + 1] = uint8_t(value >> 8);
    }
    static void Put32(Bytes& file, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + size_t(i)] = uint8_t(value >> (8 * i));
    }
};

} // namespace velmora::test
