// Marks an English text for Qt's lupdate where it is stored rather than shown. Its Russian lives in
// translations/velmora_ru.ts; the window and velmora-typ translate it by context and text where they
// show it, and the engines themselves never translate.
#pragma once

#include <string_view>

namespace velmora {

// Whether a language or locale name names Russian: "ru" alone or followed by a territory, code set or
// modifier ("ru-RU", "ru_RU.UTF-8", "ru@petr1708"), letters in either case; "rue" is another language.
// The window and velmora-typ choose their language by it.
constexpr bool NamesRussian(std::string_view name) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (name.size() < 2 || lower(name[0]) != 'r' || lower(name[1]) != 'u') return false;
    return name.size() == 2 || std::string_view("-_.@").find(name[2]) != std::string_view::npos;
}

constexpr const char* TranslateNoop(const char* /*context*/, const char* text) {
    return text;
}

} // namespace velmora
