// The error line of velmora-typ, shared with the drawing program it starts.
#include "cli/cli.h"

#include <cstdio>

namespace velmora::cli {

void PrintError(std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(ProgramName.size()), ProgramName.data(), int(message.size()),
                 message.data());
}

} // namespace velmora::cli
