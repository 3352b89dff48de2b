// Feeds arbitrary bytes to the text reader, writes back what it read, and reads and writes that again.
#include "model/text_format.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::TypDocument doc;
    try {
        velmora::LoadTextTypDocument(bytes, doc);
    } catch (const velmora::TypError&) {
        // A number that does not convert stops the reading; what was read before it still writes.
    }
    // CurrentObject must never be left referring to an object that was dropped.
    if (doc.CurrentObject) {
        volatile uint8_t kind = doc.CurrentObject->Kind;
        (void)kind;
    }
    const std::string text = velmora::WriteTextTyp(doc, "1.1.2000 00:00:00");
    // What the writer wrote reads again: kept lines, spellings, two-character codes and the UTF-8
    // head included.
    velmora::TypDocument again;
    try {
        velmora::LoadTextTypDocument(text, again);
    } catch (const velmora::TypError&) {
    }
    const std::string twice = velmora::WriteTextTyp(again, "1.1.2000 00:00:00");
    return text.empty() || twice.empty() ? 1 : 0;
}
