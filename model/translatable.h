// Marks an English text for Qt's lupdate where it is stored rather than shown. Its Russian lives in
// translations/velmora_ru.ts; the window and velmora-typ translate it by context and text where they
// show it, and the engines themselves never translate.
#pragma once

namespace velmora {

constexpr const char* TranslateNoop(const char* /*context*/, const char* text) {
    return text;
}

} // namespace velmora
