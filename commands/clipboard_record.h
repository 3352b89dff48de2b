// The clipboard block of one object (ObjectClipboardRecord), integers little-endian:
//
//   0  Kind (1)   1 TypeCode (4)   5 SubTypeCode (4)   9 UseOrientation, low byte (1)
//  10  LineWidth (1)   11 BorderWidth (1)   12 XpmHeader[Day] (4)   16 XpmHeader[Night] (4)
//  20  the label block: uint32 line count, then per line uint32 length and its bytes
//      Colours[Day]: Day.ColourCount entries of 14 bytes (Code, TransparentMark, Red, Green, Blue)
//      Colours[Night]: Night.ColourCount entries
//      Pixels[Day], then Pixels[Night]: Day.Height rows of Day.Width code bytes each
//
// After the planes may follow the extension, for what the layout above cannot carry: the four
// bytes "VlmX", then records of a tag byte, a uint32 payload length and the payload, ended by the
// tag 0 (no length). Tags:
//   1 FontStyle (1)   2 DayLabelColour (4)   3 NightLabelColour (4)
//   4 Alpha[Day], 5 Alpha[Night]: one byte (0 to 15) per entry of the table as the block carries it
//   6 KeptLines: uint32 count, then per line Place (1), Variant (1), Index (uint16), uint32 length
//     and the bytes
//   7 Pixels[Night] in the night header's own dimensions, when they are not the day dimensions
// A record of an unknown tag is stepped over. The extension is written only when the object has
// something for it, so an object without these properties gives exactly the block above; a block
// without it pastes with none of them.
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

// No object comes near this size; a larger block is not read at all.
inline constexpr size_t MaxClipboardBlock = 64 * 1024 * 1024;

// The four bytes that open the extension after the pixel planes.
inline constexpr std::string_view ClipboardExtensionMark = "VlmX";

// The size of the fixed head before the label block.
inline constexpr size_t ClipboardHeadSize = 20;

// The block of an object. Table entries and pixels that the object lacks (a table shorter than
// its ColourCount, rows shorter than Width) are written as zero bytes, so the block always has the
// length its header announces.
std::vector<uint8_t> EncodeClipboardRecord(const TGarminObject& object);

// The object of a block, with its Quadrat (values only) made from the Day header. None when the
// block is shorter than its head, its Kind is not 0, 1 or 2, or it ends before the label lines,
// colour entries or pixel planes its counts announce, and when its extension is damaged (a record
// cut short, a value out of range, no end tag). Bytes after the last plane that do not open the
// extension, and bytes after its end tag, are ignored.
// The night plane of an object without a night bitmap (a night header of no width or height) is
// left out: such an object holds no night pixels.
// A night bitmap of other dimensions than the day bitmap travels in the day dimensions and, whole,
// in the extension; a block without that record gets the night plane cut or padded (with the first
// night code) back to the night header's size.
std::optional<TGarminObject> DecodeClipboardRecord(std::span<const uint8_t> block);

} // namespace velmora
