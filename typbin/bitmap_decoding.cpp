#include "typbin/bitmap_decoding.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace velmora {

namespace {

struct CodeTables {
    std::array<char, CodeCount> Codes{};
    std::array<bool, 256> Extended{};
    constexpr CodeTables() {
        std::array<bool, 256> taken{};
        size_t n = 0;
        for (char c : CodeAlphabet) {
            Codes[n++] = c;
            taken[uint8_t(c)] = true;
        }
        // The other bytes in order, byte 0 last: it stands for a pixel no file set.
        for (unsigned b = 1; b < 256; ++b)
            if (!taken[b]) {
                Codes[n++] = char(b);
                Extended[b] = true;
            }
        Codes[n] = '\0';
        Extended[0] = true;
    }
};
constexpr CodeTables Codes;

} // namespace

char CodeOf(uint32_t index) {
    return Codes.Codes[std::min<size_t>(index, CodeCount - 1)];
}

bool IsExtendedCode(char code) {
    return Codes.Extended[uint8_t(code)];
}

TColourEntry OpaqueEntry(uint32_t index, uint8_t red, uint8_t green, uint8_t blue) {
    TColourEntry entry;
    entry.Code = CodeOf(index);
    entry.Red = red;
    entry.Green = green;
    entry.Blue = blue;
    return entry;
}

TColourEntry TransparentEntry(uint32_t index) {
    TColourEntry entry = OpaqueEntry(index, 255, 255, 255);
    entry.TransparentMark = TransparentMarkNone;
    return entry;
}

namespace {

// Colour type 0x00: one colour fits one bit; no colours at all means true colour.
int OpaqueBits(int colourCount) {
    if (colourCount == 0) return TrueColourBits;
    if (colourCount == 1) return 1;
    if (colourCount <= 3) return 2;
    if (colourCount <= 15) return 4;
    return 8;
}

// Colour type 0x10: the transparent colour takes one value of its own.
int TransparentBits(int colourCount) {
    if (colourCount <= 2) return 2;
    if (colourCount <= 14) return 4;
    return 8;
}

int PackedBits(int colourCount) {
    if (colourCount == 1) return 1;
    if (colourCount <= 3) return 2;
    if (colourCount <= 15) return 4;
    return 8;
}

// Colour types no compiler writes: their bitmap is still stepped over.
int OtherBits(int colourCount) {
    if (colourCount >= 16) return 8;
    if (colourCount <= 2) return 2;
    return 4;
}

} // namespace

uint32_t RowStride(int width, int bits) {
    return (uint32_t(width) * uint32_t(bits) + 7) / 8;
}

PixelLayout BppAndWidthInBytes(int colourCount, int width, uint8_t colourType) {
    int bits = 0;
    switch (colourType) {
    case PointColoursOpaque:
        bits = OpaqueBits(colourCount);
        break;
    case PointColoursWithTransparency:
        bits = TransparentBits(colourCount);
        break;
    case PointColoursPacked:
        bits = PackedBits(colourCount);
        break;
    default:
        bits = OtherBits(colourCount);
        break;
    }
    return {bits, RowStride(width, bits)};
}

void ReadTriplets(ByteReader& reader, int count, std::vector<TColourEntry>& table, int first) {
    for (int i = 0; i < count; ++i) {
        const uint8_t blue = reader.U8();
        const uint8_t green = reader.U8();
        const uint8_t red = reader.U8();
        table[size_t(first + i)] = OpaqueEntry(uint32_t(first + i), red, green, blue);
    }
}

void ReadPackedColours(ByteReader& reader, int count, std::vector<TColourEntry>& table,
                       std::vector<uint8_t>& alphas) {
    alphas.assign(size_t(std::max(count, 0)), AlphaOpaque);
    for (int k = 0; k < count; ++k) {
        uint8_t b[4];
        reader.Read(b, 4);
        uint8_t blue, green, red, alpha;
        if (k % 2 == 0) {
            blue = b[0], green = b[1], red = b[2], alpha = b[3] & 0x0F;
            reader.Seek(reader.Position() - 1); // the odd colour starts in the high half of byte 3
        } else {
            blue = uint8_t(b[0] >> 4 | b[1] << 4);
            green = uint8_t(b[1] >> 4 | b[2] << 4);
            red = uint8_t(b[2] >> 4 | b[3] << 4);
            alpha = b[3] >> 4;
        }
        table[size_t(k)] = OpaqueEntry(uint32_t(k), red, green, blue);
        alphas[size_t(k)] = alpha;
        if (alpha == AlphaTransparent) table[size_t(k)].TransparentMark = TransparentMarkNone;
    }
    if (count % 2 == 1) reader.Skip(1);
}

namespace {

// The codes of the pixels that one byte holds at 1, 2, 4 and 8 bits a pixel, leftmost first, so
// unpacking a byte is one look-up.
template <int Bits> constexpr auto MakeByteCodes() {
    constexpr int perByte = 8 / Bits;
    std::array<std::array<char, perByte>, 256> codes{};
    for (size_t b = 0; b < codes.size(); ++b)
        for (int k = 0; k < perByte; ++k) {
            const size_t value = b >> (k * Bits) & ((1u << Bits) - 1);
            codes[b][size_t(k)] = Codes.Codes[value];
        }
    return codes;
}
constexpr auto CodesAt1 = MakeByteCodes<1>();
constexpr auto CodesAt2 = MakeByteCodes<2>();
constexpr auto CodesAt4 = MakeByteCodes<4>();
constexpr auto CodesAt8 = MakeByteCodes<8>();

template <int Bits>
void UnpackRows(std::span<const uint8_t> buffer, int width, int height,
                const std::array<std::array<char, 8 / Bits>, 256>& codes, std::vector<std::string>& pixels) {
    constexpr size_t perByte = 8 / Bits;
    const size_t stride = RowStride(width, Bits);
    const size_t wholeBytes = size_t(width) / perByte; // bytes whose every pixel lies in the row
    for (size_t r = 0; r < size_t(height); ++r) {
        const size_t start = r * stride;
        // Rows past the end of the buffer keep the code of value 0 they were filled with.
        if (start >= buffer.size()) break;
        char* row = pixels[r].data();
        const uint8_t* bytes = buffer.data() + start;
        const size_t inside = std::min(stride, buffer.size() - start);
        const size_t whole = std::min(wholeBytes, inside);
        for (size_t at = 0; at < whole; ++at, row += perByte)
            std::copy_n(codes[bytes[at]].begin(), perByte, row);
        if (whole < inside && whole == wholeBytes) // the last byte holds fewer pixels than it could
            std::copy_n(codes[bytes[whole]].begin(), size_t(width) - whole * perByte, row);
    }
}

} // namespace

void DecodeBitmap(std::span<const uint8_t> buffer, int width, int height, int bits,
                  std::vector<std::string>& pixels) {
    pixels.assign(size_t(height), std::string(size_t(width), CodeAlphabet[0]));
    switch (bits) {
    case 1:
        return UnpackRows<1>(buffer, width, height, CodesAt1, pixels);
    case 2:
        return UnpackRows<2>(buffer, width, height, CodesAt2, pixels);
    case 4:
        return UnpackRows<4>(buffer, width, height, CodesAt4, pixels);
    default:
        return UnpackRows<8>(buffer, width, height, CodesAt8, pixels);
    }
}

void DecodeTrueColourBitmap(std::span<const uint8_t> buffer, int width, int height,
                            std::vector<TColourEntry>& table, std::vector<std::string>& pixels) {
    const uint32_t stride = RowStride(width, TrueColourBits);
    std::unordered_map<uint32_t, uint32_t> indexOf; // stored blue-green-red value to table index
    table.clear();
    pixels.assign(size_t(height), std::string(size_t(width), CodeAlphabet[0]));
    // Neighbouring pixels mostly share their colour: the last one is looked up first.
    uint32_t lastColour = 0, lastIndex = 0;
    bool haveLast = false;
    auto codeOf = [&](uint32_t colour) {
        if (!haveLast || colour != lastColour) {
            auto found = indexOf.find(colour);
            // A table holds at most 255 entries (its count is a byte); later colours share the last.
            constexpr uint32_t MaxEntries = 255;
            uint32_t index = MaxEntries - 1;
            if (found != indexOf.end()) {
                index = found->second;
            } else if (table.size() < MaxEntries) {
                index = uint32_t(table.size());
                indexOf.emplace(colour, index);
                table.push_back(
                    OpaqueEntry(index, uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour)));
            }
            lastColour = colour, lastIndex = index, haveLast = true;
        }
        return CodeOf(lastIndex);
    };
    auto byteAt = [&](size_t i) { return i < buffer.size() ? buffer[i] : uint8_t(0); };
    for (int r = 0; r < height; ++r) {
        std::string& row = pixels[size_t(r)];
        const size_t rowStart = size_t(r) * stride;
        if (rowStart >= buffer.size()) {
            // Past the end of the buffer every pixel reads as black; a row without pixels adds no colour.
            if (!row.empty()) std::fill(row.begin(), row.end(), codeOf(0));
            continue;
        }
        for (int c = 0; c < width; ++c) {
            const size_t at = rowStart + size_t(c) * 3;
            const uint32_t colour =
                at + 2 < buffer.size()
                    ? uint32_t(buffer[at]) | uint32_t(buffer[at + 1]) << 8 | uint32_t(buffer[at + 2]) << 16
                    : uint32_t(byteAt(at)) | uint32_t(byteAt(at + 1)) << 8 | uint32_t(byteAt(at + 2)) << 16;
            row[size_t(c)] = codeOf(colour);
        }
    }
}

} // namespace velmora
