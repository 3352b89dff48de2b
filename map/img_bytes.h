// Bounded little-endian reads over the bytes of a map's subfile: every read outside the bytes gives
// zero, and the callers check their ranges before trusting what they read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora::img {

using Bytes = std::span<const uint8_t>;

inline uint32_t U8(Bytes b, size_t at) {
    return at < b.size() ? b[at] : 0;
}
inline uint32_t U16(Bytes b, size_t at) {
    return U8(b, at) | U8(b, at + 1) << 8;
}
inline uint32_t U24(Bytes b, size_t at) {
    return U16(b, at) | U8(b, at + 2) << 16;
}
inline uint32_t U32(Bytes b, size_t at) {
    return U24(b, at) | U8(b, at + 3) << 24;
}
inline int32_t S16(Bytes b, size_t at) {
    return int16_t(uint16_t(U16(b, at)));
}
inline int32_t S24(Bytes b, size_t at) {
    const uint32_t v = U24(b, at);
    return v & 0x800000 ? int32_t(v) - 0x1000000 : int32_t(v);
}

// The bytes [offset, offset + size) of b, cut to what lies inside b.
inline Bytes Slice(Bytes b, uint64_t offset, uint64_t size) {
    if (offset >= b.size()) return {};
    return b.subspan(size_t(offset), size_t(std::min<uint64_t>(size, b.size() - offset)));
}

// True when b holds text at the offset.
inline bool HasText(Bytes b, size_t at, std::string_view text) {
    return at <= b.size() && text.size() <= b.size() - at &&
           std::equal(text.begin(), text.end(), b.begin() + ptrdiff_t(at),
                      [](char t, uint8_t c) { return uint8_t(t) == c; });
}

// One subfile of a tile: its bytes and where its header starts in them. A tile of the older layout
// has a file per subfile (header at 0); a GMP file holds the headers of all of them, and their
// section offsets count from the start of the GMP file.
struct Subfile {
    Bytes Data;
    uint32_t Header = 0;
    bool Present() const { return !Data.empty(); }
    uint32_t HeaderLength() const { return U16(Data, Header); }
    // A field of the header, zero when the header is too short to hold it.
    uint32_t Field32(uint32_t at) const { return at + 4 <= HeaderLength() ? U32(Data, Header + at) : 0; }
    uint32_t Field16(uint32_t at) const { return at + 2 <= HeaderLength() ? U16(Data, Header + at) : 0; }
    uint32_t Field8(uint32_t at) const { return at + 1 <= HeaderLength() ? U8(Data, Header + at) : 0; }
    // The section whose offset and size lie at the given fields of the header.
    Bytes Section(uint32_t offsetField, uint32_t sizeField) const {
        return Slice(Data, Field32(offsetField), Field32(sizeField));
    }
};

} // namespace velmora::img
