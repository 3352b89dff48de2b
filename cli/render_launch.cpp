// velmora-typ render and render-map: check the arguments, then hand the whole run to
// velmora-typ-render, the program beside velmora-typ that draws with Qt. So only they load Qt;
// convert and the other subcommands start without it.
#include "cli/cli.h"
#include "cli/render_request.h"
#include "cli/translate.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace velmora::cli {

namespace {

constexpr std::string_view RenderProgram = "velmora-typ-render";

// The drawing program in the folder of this program's own file, as built and as installed; none
// when the system does not say where this program is.
std::string RenderProgramPath() {
    std::string self(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
    if (length <= 0 || size_t(length) >= self.size()) return {};
    self.resize(size_t(length));
    const size_t slash = self.rfind('/');
    if (slash == std::string::npos) return {};
    return self.substr(0, slash + 1) + std::string(RenderProgram);
}

// The drawing program takes over this process with the words after its own name: its output and
// exit status are the subcommand's. Returns only when it cannot be started.
int StartRenderProgram(std::vector<std::string> words) {
    const std::string path = RenderProgramPath();
    words.insert(words.begin(), path.empty() ? std::string(RenderProgram) : path);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    if (path.empty())
        ::execvp(argv[0], argv.data());
    else
        ::execv(argv[0], argv.data());
    PrintError(FillIn(Translate("velmora-typ", "cannot start %1: %2"),
                      {words[0], std::generic_category().message(errno)}));
    return ExitFailure;
}

} // namespace

int RunRender(std::span<const std::string> args) {
    RenderRequest request;
    if (const std::string problem = ParseRenderArguments(args, request); !problem.empty())
        return UsageError(problem);
    return StartRenderProgram({args.begin(), args.end()});
}

int RunRenderMap(std::span<const std::string> args) {
    RenderMapRequest request;
    if (const std::string problem = ParseRenderMapArguments(args, request); !problem.empty())
        return UsageError(problem);
    if (const std::string problem = CheckRenderMapValues(request); !problem.empty()) {
        PrintError(problem);
        return ExitFailure;
    }
    std::vector<std::string> words{std::string(RenderMapWord)};
    words.insert(words.end(), args.begin(), args.end());
    return StartRenderProgram(std::move(words));
}

} // namespace velmora::cli
