// Byte-level UTF-8 checks of the text form, and the conversion of the program's code page 1251
// texts for documents written as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// True when bytes start with the UTF-8 byte-order mark EF BB BF.
bool StartsWithUtf8Bom(std::string_view bytes);

// True when bytes hold at least one byte of 128 or above and every such byte belongs to a
// well-formed UTF-8 sequence (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsUtf8Text(std::string_view bytes);

// Appends the UTF-8 bytes of one code point (up to U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

// Code page 1251 text as UTF-8; the one byte without a character (0x98) becomes "?".
std::string Cp1251ToUtf8(std::string_view bytes);

} // namespace velmora
