// The date and time of the head line of a saved file, in the user's format and code page 1251.
#pragma once

#include <ctime>
#include <locale>
#include <string>
#include <string_view>

namespace velmora {

// The moment in the locale's short date and long time format ("%x %X"), as code page 1251 bytes,
// line breaks turned into blanks. CurrentDateTimeText gives it for now in the user's locale.
std::string DateTimeText(const std::tm& time, const std::locale& locale);

// The user's locale as the environment names it (LC_ALL, LC_TIME, LANG); the classic "C" locale
// when the named one is not installed.
std::locale UserLocale();

// Unicode text as code page 1251 bytes; a character that the code page does not hold becomes "?".
std::string EncodeCp1251(std::wstring_view text);

} // namespace velmora
