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
    return FileErrorText(
        *file, [](const char* text) { return Translate("FileError", text); },
        CurrentLanguage() == UiLanguage::Russian);
}

} // namespace velmora::cli
