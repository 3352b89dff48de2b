// The program's own texts that go into files and the header, as code page 1251 bytes.
#pragma once

#include <string_view>

namespace velmora::cp1251 {

// ";Этот кодированный текст создан программой Velmora "
inline constexpr std::string_view HeadLineStart = ";\xDD\xF2\xEE\xF2 \xEA\xEE\xE4\xE8\xF0\xEE\xE2\xE0\xED\xED\xFB\xE9 \xF2\xE5\xEA\xF1\xF2 \xF1\xEE\xE7\xE4\xE0\xED \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 Velmora ";
// ";Автор: "
inline constexpr std::string_view AuthorLineStart = ";\xC0\xE2\xF2\xEE\xF0: ";
// ";NT - тип"
inline constexpr std::string_view NtMark = ";NT - \xF2\xE8\xEF";
// ";OLD - тип"
inline constexpr std::string_view OldMark = ";OLD - \xF2\xE8\xEF";

} // namespace velmora::cp1251
