// Colour tables and bitmaps of compiled records: code characters, colour blocks, pixel unpacking.
#pragma once

#include "model/maintyp.h"
#include "typbin/byte_reader.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// Colour types of a point record.
inline constexpr uint8_t PointColoursOpaque = 0x00;
inline constexpr uint8_t PointColoursWithTransparency = 0x10;
inline constexpr uint8_t PointColoursPacked = 0x20;

// Bits of a true-colour pixel: three bytes, blue, green, red.
inline constexpr int TrueColourBits = 24;

// How a point bitmap is packed: bits per pixel (1, 2, 4, 8 or TrueColourBits) and bytes per row.
struct PixelLayout {
    int Bits = 0;
    uint32_t Stride = 0;

    friend bool operator==(const PixelLayout&, const PixelLayout&) = default;
};

// The number of colour indexes that get a code of their own: every byte value.
inline constexpr uint32_t CodeCount = 256;

// The code character of colour index i: CodeAlphabet for the first 82 indexes, then the other byte
// values, so that a bitmap of up to 256 colours keeps every colour apart. Codes beyond CodeAlphabet
// are no plain characters: a bitmap that uses them is written with two characters per pixel.
char CodeOf(uint32_t index);

// True when a code lies beyond CodeAlphabet.
bool IsExtendedCode(char code);

TColourEntry OpaqueEntry(uint32_t index, uint8_t red, uint8_t green, uint8_t blue);
// A "none" entry; it holds white, as a transparent colour read from text does.
TColourEntry TransparentEntry(uint32_t index);

// Bits per pixel and row stride of a point bitmap of width pixels with colourCount stored colours.
PixelLayout BppAndWidthInBytes(int colourCount, int width, uint8_t colourType);
uint32_t RowStride(int width, int bits);

// Reads count colour triplets (blue, green, red) into table entries first, first + 1, ...
void ReadTriplets(ByteReader& reader, int count, std::vector<TColourEntry>& table, int first = 0);
// Reads count packed colours (3.5 bytes each, with a 4-bit alpha) into table entries 0 ... count - 1
// and their alphas into alphas; an alpha of 15 also makes the entry transparent, keeping its stored
// colour.
void ReadPackedColours(ByteReader& reader, int count, std::vector<TColourEntry>& table,
                       std::vector<uint8_t>& alphas);

// Unpacks height rows of width pixels at bits (1, 2, 4 or 8) per pixel into rows of code characters.
// The leftmost pixel sits in the lowest bits of its byte.
void DecodeBitmap(std::span<const uint8_t> buffer, int width, int height, int bits,
                  std::vector<std::string>& pixels);
// Unpacks a true-colour bitmap; the table becomes its distinct colours in order of first appearance,
// at most 255 of them (later colours share the last entry).
void DecodeTrueColourBitmap(std::span<const uint8_t> buffer, int width, int height,
                            std::vector<TColourEntry>& table, std::vector<std::string>& pixels);

} // namespace velmora
