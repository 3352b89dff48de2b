// Label text between the encodings a TYP style uses: the single-byte Windows code pages 1250 to
// 1258 and UTF-8 (code page 65001), without any outside library.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr uint32_t CodePageUtf8 = 65001;

// Bytes 0x80 to 0xFF of code pages 1250 to 1258, in that order, as Unicode code points.
extern const std::array<std::array<char16_t, 128>, 9> WindowsCodePageHighHalves;

// True for 1250 to 1258 and 65001.
bool IsKnownCodePage(uint32_t codePage);

// The code points of text in codePage (a known one). Malformed UTF-8 gives U+FFFD for each byte
// that does not start a well-formed sequence.
std::u32string DecodeText(std::string_view text, uint32_t codePage);

// text in codePage (a known one), or none when a character has no byte in it.
std::optional<std::string> EncodeText(std::u32string_view text, uint32_t codePage);

// text re-encoded from one known code page to another: the bytes unchanged when the pages are the
// same, none when a character of text has no byte in the target page.
std::optional<std::string> ConvertText(std::string_view text, uint32_t fromCodePage, uint32_t toCodePage);

} // namespace velmora
