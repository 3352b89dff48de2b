// The error line of velmora-typ, shared with the drawing program it starts.
#include "cli/cli.h"
#include "cli/translate.h"
#include "model/maintyp.h"
#include "typbin/typbin_texts.h"

#include <cstdio>

namespace velmora::cli {

void PrintError(std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(ProgramName.size()), ProgramName.data(), int(message.size()),
                 message.data());
}

std::string EngineText(std::string_view message) {
    return TranslateEngineText(message, EngineSentences(), [](const EngineSentence& sentence) {
        return Translate(sentence.Context, sentence.Text);
    });
}

std::string ErrorText(const std::exception& error) {
    const auto* file = dynamic_cast<const FileError*>(&error);
    if (!file) return EngineText(error.what());
    return FileErrorText(
        *file, [](const char* text) { return Translate("FileError", text); },
        CurrentLanguage() == UiLanguage::Russian);
}

} // namespace velmora::cli
