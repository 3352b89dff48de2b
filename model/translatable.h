// Marks an English text for Qt's lupdate where it is stored rather than shown. Its Russian lives in
// translations/velmora_ru.ts; the window and velmora-typ translate it by context and text where they
// show it, and the engines themselves never translate.
#pragma once

#include "model/ascii.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// Whether a language or locale name names Russian: "ru" alone or followed by a territory, code set or
// modifier ("ru-RU", "ru_RU.UTF-8", "ru@petr1708"), letters in either case; "rue" is another language.
// The window and velmora-typ choose their language by it.
constexpr bool NamesRussian(std::string_view name) {
    if (!StartsWithIgnoringAsciiCase(name, "ru")) return false;
    return name.size() == 2 || std::string_view("-_.@").find(name[2]) != std::string_view::npos;
}

constexpr const char* TranslateNoop(const char* /*context*/, const char* text) {
    return text;
}

// A sentence of an engine's messages (a compiler error, an import warning): English, with %1, %2, ...
// for its parts, under the context it is translated in.
struct EngineSentence {
    const char* Context;
    const char* Text;
};

// pattern with %1, %2, ... replaced by the values. A % not followed by the number of a value stays.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
// The same with the sentence's English.
std::string FillIn(const EngineSentence& sentence, std::initializer_list<std::string_view> values);

// An engine's message in the user's language. The engines write their messages in English, each
// filled in from one of their sentences; a text that one of sentences gives is worded again from
// translate's text of that sentence, filled in with its parts, each part worded the same way in turn
// (the object a compiler error names, the reason it gives). Any other text comes back as it is, and
// with a translate that returns the sentence's English the message comes back unchanged.
std::string TranslateEngineText(std::string_view text, std::span<const EngineSentence* const> sentences,
                                const std::function<std::string(const EngineSentence&)>& translate);

} // namespace velmora
