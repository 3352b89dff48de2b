// The program's own texts that go into files and the header, as code page 1251 bytes, and the
// same texts as UTF-8 bytes for documents written as UTF-8.
#pragma once

#include <string_view>

namespace velmora::cp1251 {

// ";Этот кодированный текст создан программой Velmora "
inline constexpr std::string_view HeadLineStart =
    ";\xDD\xF2\xEE\xF2 \xEA\xEE\xE4\xE8\xF0\xEE\xE2\xE0\xED\xED\xFB\xE9 \xF2\xE5\xEA\xF1\xF2 "
    "\xF1\xEE\xE7\xE4\xE0\xED \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 Velmora ";
// ";Автор: "
inline constexpr std::string_view AuthorLineStart = ";\xC0\xE2\xF2\xEE\xF0: ";
// ";NT - тип"
inline constexpr std::string_view NtMark = ";NT - \xF2\xE8\xEF";
// ";OLD - тип"
inline constexpr std::string_view OldMark = ";OLD - \xF2\xE8\xEF";

} // namespace velmora::cp1251

namespace velmora::utf8 {

// The texts of velmora::cp1251 above, as UTF-8.
inline constexpr std::string_view HeadLineStart =
    ";\xD0\xAD\xD1\x82\xD0\xBE\xD1\x82 "
    "\xD0\xBA\xD0\xBE\xD0\xB4\xD0\xB8\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB9 "
    "\xD1\x82\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82 \xD1\x81\xD0\xBE\xD0\xB7\xD0\xB4\xD0\xB0\xD0\xBD "
    "\xD0\xBF\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD0\xBE\xD0\xB9 Velmora ";
inline constexpr std::string_view AuthorLineStart = ";\xD0\x90\xD0\xB2\xD1\x82\xD0\xBE\xD1\x80: ";
inline constexpr std::string_view NtMark = ";NT - \xD1\x82\xD0\xB8\xD0\xBF";
inline constexpr std::string_view OldMark = ";OLD - \xD1\x82\xD0\xB8\xD0\xBF";

} // namespace velmora::utf8
