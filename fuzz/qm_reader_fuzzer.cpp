// Feeds arbitrary bytes to the reader of translation files and looks texts up in them. The seeds
// are files lrelease wrote: tests/cli/data/lookup_ru.ts and velmora-typ's own translations.
#include "cli/qm_reader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace {

// Whether text is well-formed UTF-8 (shortest forms, no surrogates).
bool IsUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const uint8_t lead = uint8_t(text[i]);
        const size_t length = lead < 0x80       ? 1
                              : lead >> 5 == 6  ? 2
                              : lead >> 4 == 14 ? 3
                              : lead >> 3 == 30 ? 4
                                                : 0;
        if (length == 0 || text.size() - i < length) return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            if ((uint8_t(text[i + k]) & 0xC0) != 0x80) return false;
            code = code << 6 | (uint8_t(text[i + k]) & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const velmora::cli::QmCatalogue catalogue(std::span(data, size));
    const std::pair<const char*, const char*> keys[] = {
        {"Alpha", "Open"}, {"Beta", "Open"}, {"Alpha", "Smile"},        {"Alpha", "Close"},
        {"Alpha", ""},     {"", "Open"},     {"velmora-typ", "Usage:"}, {"velmora-typ", "show this text"},
    };
    for (const auto& [context, source] : keys)
        if (const auto found = catalogue.Find(context, source); found && !IsUtf8(*found)) __builtin_trap();
    return 0;
}
