// A bounded reader over the bytes of a compiled file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

namespace velmora {

// Positioned little-endian reads over a byte buffer. A read that passes the end of the buffer
// yields zero for every missing byte and still moves the position on, so a truncated or damaged
// file decodes to zeros instead of reading outside the buffer. Positions are file offsets taken
// modulo 2^32, as the offsets stored in the file are 32-bit.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : Bytes(bytes) {}

    uint32_t Position() const { return Pos; }
    void Seek(uint32_t position) { Pos = position; }
    void Skip(uint32_t count) { Pos += count; }
    uint32_t Size() const { return uint32_t(Bytes.size()); }
    bool AtEnd() const { return Pos >= Bytes.size(); }
    // How many bytes lie between the position and the end of the buffer.
    uint32_t Remaining() const { return AtEnd() ? 0 : uint32_t(Bytes.size() - Pos); }

    // The bytes from the position up to end, as far as they lie inside the buffer.
    std::span<const uint8_t> Window(uint64_t end) const {
        if (AtEnd() || end <= Pos) return {};
        return Bytes.subspan(Pos, size_t(std::min<uint64_t>(end, Bytes.size()) - Pos));
    }

    uint8_t PeekAt(uint32_t position) const { return position < Bytes.size() ? Bytes[position] : 0; }
    uint8_t U8() { return PeekAt(Pos++); }
    uint32_t U16() { return UInt(2); }
    uint32_t U24() { return UInt(3); }
    uint32_t U32() { return UInt(4); }

    // Copies count bytes into target (which holds at least count bytes), zeros past the end.
    void Read(uint8_t* target, uint32_t count) {
        const uint32_t inside = Pos < Bytes.size() ? uint32_t(Bytes.size() - Pos) : 0;
        const uint32_t copied = count < inside ? count : inside;
        if (copied > 0) std::memcpy(target, Bytes.data() + Pos, copied);
        if (count > copied) std::memset(target + copied, 0, count - copied);
        Pos += count;
    }

  private:
    uint32_t UInt(int width) {
        uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= uint32_t(U8()) << (8 * i);
        return value;
    }

    std::span<const uint8_t> Bytes;
    uint32_t Pos = 0;
};

} // namespace velmora
