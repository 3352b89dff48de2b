#include "cli/translate.h"
#include "cli/qm_reader.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace velmora::cli {

// The Russian translations as lrelease wrote them, embedded by the build (cli/embed_file.cmake).
extern const unsigned char RussianQm[];
extern const size_t RussianQmSize;

namespace {

const QmCatalogue& RussianCatalogue() {
    static const QmCatalogue catalogue(std::span<const uint8_t>(RussianQm, RussianQmSize));
    return catalogue;
}

} // namespace

UiLanguage LanguageFromEnvironment(const std::function<const char*(const char*)>& variable) {
    std::string_view chosen;
    if (const char* list = variable("LANGUAGE")) {
        std::string_view entries = list;
        while (chosen.empty() && !entries.empty()) {
            const size_t colon = entries.find(':');
            chosen = entries.substr(0, colon);
            entries = colon == std::string_view::npos ? std::string_view() : entries.substr(colon + 1);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!chosen.empty()) break;
        if (const char* value = variable(name)) chosen = value;
    }
    return NamesRussian(chosen) ? UiLanguage::Russian : UiLanguage::English;
}

UiLanguage CurrentLanguage() {
    static const UiLanguage language =
        LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
    return language;
}

std::string Translate(const char* context, const char* text) {
    if (CurrentLanguage() == UiLanguage::Russian)
        if (auto translation = RussianCatalogue().Find(context, text)) return std::move(*translation);
    return text;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return velmora::FillIn(pattern, values);
}

} // namespace velmora::cli
