// The error line of velmora-typ, shared with the drawing program it starts.
#include "cli/cli.h"
#include "cli/translate.h"
#include "model/maintyp.h"

#include <cstdio>

namespace velmora::cli {

void PrintError(std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(ProgramName.size()), ProgramName.data(), int(message.size()),
                 message.data());
}

std::string ErrorText(const std::exception& error) {
    const auto* file = dynamic_cast<const FileError*>(&error);
    if (!file) return error.what();
    // The sentences of a file error come from the engine that raised it: the model's ("FileError")
    // or the map engine's ("MapError").
    return FileErrorText(
        *file,
        [](const char* text) {
            std::string translated = Translate("FileError", text);
            return translated != text ? translated : Translate("MapError", text);
        },
        CurrentLanguage() == UiLanguage::Russian);
}

} // namespace velmora::cli
