// The date and time of the head line, formatted by the C++ locale and encoded for code page 1251.
#include "model/date_text.h"
#include "model/text_format.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace velmora {

namespace {

// The characters of bytes 0x80-0xBF of code page 1251; 0x98 holds none. Bytes 0xC0-0xFF are
// U+0410-U+044F in order.
constexpr std::array<char16_t, 64> UpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char Cp1251Byte(wchar_t c) {
    const auto code = static_cast<uint32_t>(c);
    if (code < 0x80) return static_cast<char>(code);
    if (code >= 0x0410 && code <= 0x044F) return static_cast<char>(0xC0 + (code - 0x0410));
    const auto found = std::find(UpperHalf.begin(), UpperHalf.end(), code);
    if (code > 0xFFFF || found == UpperHalf.end()) return '?';
    return static_cast<char>(0x80 + (found - UpperHalf.begin()));
}

} // namespace

std::string EncodeCp1251(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text)
        bytes.push_back(Cp1251Byte(c));
    return bytes;
}

std::locale UserLocale() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::string DateTimeText(const std::tm& time, const std::locale& locale) {
    // Wide output gives the locale's month names and day-time marks as characters, whatever the
    // locale's own byte encoding.
    std::wostringstream out;
    out.imbue(locale);
    out << std::put_time(&time, L"%x %X");
    std::wstring text = out.str();
    // The head line is one line.
    std::replace(text.begin(), text.end(), L'\r', L' ');
    std::replace(text.begin(), text.end(), L'\n', L' ');
    return EncodeCp1251(text);
}

std::string CurrentDateTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTimeText(local, UserLocale());
}

} // namespace velmora
