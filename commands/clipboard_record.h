// The clipboard block of one object (ObjectClipboardRecord), integers little-endian:
//
//   0  Kind (1)   1 TypeCode (4)   5 SubTypeCode (4)   9 UseOrientation, low byte (1)
//  10  LineWidth (1)   11 BorderWidth (1)   12 XpmHeader[Day] (4)   16 XpmHeader[Night] (4)
//  20  the label block: uint32 line count, then per line uint32 length and its bytes
//      Colours[Day]: Day.ColourCount entries of 14 bytes (Code, TransparentMark, Red, Green, Blue)
//      Colours[Night]: Night.ColourCount entries
//      Pixels[Day], then Pixels[Night]: Day.Height rows of Day.Width code bytes each
#pragma once

#include "model/maintyp.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// The name of the program's private clipboard format.
inline constexpr std::string_view ClipboardFormatName = "Garmin";

// The size of the fixed head before the label block.
inline constexpr size_t ClipboardHeadSize = 20;

// The block of an object. Table entries and pixels that the object lacks (a table shorter than
// its ColourCount, rows shorter than Width) are written as zero bytes, so the block always has the
// length its header announces.
std::vector<uint8_t> EncodeClipboardRecord(const TGarminObject& object);

// The object of a block, with its Quadrat (values only) made from the Day header. None when the
// block is shorter than its head, its Kind is not 0, 1 or 2, or it ends before the label lines,
// colour entries or pixel planes its counts announce. Bytes after the last plane are ignored.
// A night bitmap of other dimensions than the day bitmap travels in the day dimensions; the pasted
// night plane is cut or padded (with the first night code) back to the night header's size.
std::optional<TGarminObject> DecodeClipboardRecord(std::span<const uint8_t> block);

} // namespace velmora
