// The language of velmora-typ's own texts. English is the language they are written in; a Russian
// user gets them in Russian, from translations/velmora_ru.ts, which lrelease compiles and the
// build embeds. lupdate finds the texts by the two marks below (see docs/DESIGN.md).
#pragma once

#include "model/translatable.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora::cli {

enum class UiLanguage { English, Russian };

// The language from the environment as Qt's locale takes it on Unix: the first non-empty entry of
// LANGUAGE, else LC_ALL, else LC_MESSAGES, else LANG (the first of them that is set and not empty);
// Russian when that names Russian ("ru", "ru_RU.UTF-8", ...), English for anything else.
UiLanguage LanguageFromEnvironment(const std::function<const char*(const char*)>& variable);

// The language of this process, read from its environment once.
UiLanguage CurrentLanguage();

// The text in the user's language, UTF-8. context and text are string literals, so that lupdate
// finds them; a text with no translation comes back as it is.
std::string Translate(const char* context, const char* text);

// pattern with %1, %2, ... replaced by the values, after translation, so that translators see
// whole sentences. A % not followed by the number of a value stays as it is.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace velmora::cli
