// Feeds arbitrary bytes to the text reader and writes back what it read.
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
    return text.empty() ? 1 : 0;
}
