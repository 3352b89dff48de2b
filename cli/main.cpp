// velmora-typ: converts TYP style files on the command line.
#include "cli/cli.h"
#include "cli/translate.h"
#include "model/maintyp.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace velmora::cli {

namespace {

// One row per subcommand; a new subcommand is one more row and one more Run function.
constexpr Command CommandTable[] = {
    {"convert", "INPUT OUTPUT",
     TranslateNoop("velmora-typ", "read the TYP file INPUT and write it to OUTPUT as text"), RunConvert},
    {"compile", "INPUT OUTPUT.typ [--family-id N] [--product-id N] [--code-page N]",
     TranslateNoop("velmora-typ", "compile the TYP file INPUT into the compiled file OUTPUT.typ; the options "
                                  "override the [_id] values"),
     RunCompile},
    {"render", "INPUT OUTPUT.bmp --kind point|line|polygon --index N [--night] [--zoom 1-20]",
     TranslateNoop("velmora-typ", "draw object N of the kind as the editor shows it into a 24-bit BMP file"),
     RunRender},
    {"render-map", "STYLE MAP OUT.png --bbox W,S,E,N --size WxH [--night] [--level N]",
     TranslateNoop("velmora-typ",
                   "draw the box W,S,E,N (degrees) of the Garmin map MAP with the style STYLE into "
                   "a PNG file of WxH pixels, in Web Mercator"),
     RunRenderMap},
    {"map-types", "MAP [STYLE]",
     TranslateNoop("velmora-typ", "list the types the Garmin map MAP uses with their object counts and, with "
                                  "a STYLE, whether the style defines them and draws them in order"),
     RunMapTypes},
};

int Dispatch(std::span<const std::string> args) {
    if (args.empty()) return UsageError(Translate("velmora-typ", "no command given"));
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        std::fputs(UsageText().c_str(), stdout);
        return ExitSuccess;
    }
    if (first == "--version" || first == "-V") {
        std::printf("%.*s %.*s\n", int(ProgramName.size()), ProgramName.data(), int(VersionText.size()),
                    VersionText.data());
        return ExitSuccess;
    }
    for (const Command& command : Commands())
        if (command.Name == first) return command.Run(args.subspan(1));
    return UsageError(FillIn(Translate("velmora-typ", "unknown command '%1'"), {first}));
}

} // namespace

std::span<const Command> Commands() {
    return CommandTable;
}

std::string UsageText() {
    const std::string program(ProgramName);
    std::string text = Translate("velmora-typ", "Usage:") + "\n";
    for (const Command& command : Commands()) {
        // The table's Description is a string literal marked for translation where it stands.
        text += "  " + program + " " + std::string(command.Name) + " " + std::string(command.Synopsis) +
                "\n      " + Translate("velmora-typ", command.Description) + "\n";
    }
    text += "  " + program + " --help\n      " + Translate("velmora-typ", "show this text") + "\n";
    text +=
        "  " + program + " --version\n      " + Translate("velmora-typ", "show the program's version") + "\n";
    text +=
        Translate("velmora-typ",
                  "Exit status: 0 done, 1 the conversion, the compilation or a file failed, 2 wrong usage.") +
        "\n";
    return text;
}

int UsageError(std::string_view message) {
    PrintError(message);
    std::fputs(UsageText().c_str(), stderr);
    return ExitUsage;
}

} // namespace velmora::cli

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return velmora::cli::Dispatch(args);
    } catch (const std::exception& error) {
        velmora::cli::PrintError(velmora::cli::ErrorText(error));
        return velmora::cli::ExitFailure;
    }
}
