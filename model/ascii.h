// ASCII letter case and blanks of the format texts: keys, section names, header values. Bytes above
// 127 are never letters or blanks here, whatever the locale, so that the labels of every code page
// pass through unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// A blank is any character with a code from 0 to 32.
constexpr bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

constexpr std::string_view TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

constexpr std::string_view TrimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    return s.substr(0, n);
}

constexpr std::string_view Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAsciiText(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = LowerAscii(c);
    return lower;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// Whether text begins with prefix, ignoring the ASCII letter case of both; a text shorter than the
// prefix never does.
constexpr bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

} // namespace velmora
