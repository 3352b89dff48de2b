// velmora-typ compile INPUT OUTPUT.typ [--family-id N] [--product-id N] [--code-page N]: a TYP file in,
// its compiled form out.
#include "cli/cli.h"
#include "cli/translate.h"
#include "model/maintyp.h"
#include "model/text_format.h"
#include "typbin/typ_compiler.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

namespace {

constexpr std::string_view FamilyIdOption = "--family-id";
constexpr std::string_view ProductIdOption = "--product-id";
constexpr std::string_view CodePageOption = "--code-page";

// A header number given on the command line: 0 to 65535, decimal or hexadecimal as the header takes it.
std::optional<uint16_t> OptionNumber(const std::string& text) {
    int32_t value = -1;
    try {
        value = StrToInt(text);
    } catch (const ConversionError&) {
    }
    if (value < 0 || value > 0xFFFF) return std::nullopt;
    return uint16_t(value);
}

} // namespace

int RunCompile(std::span<const std::string> args) {
    std::vector<std::string> files;
    CompileOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<uint16_t>* target = arg == FamilyIdOption    ? &options.FamilyId
                                          : arg == ProductIdOption ? &options.ProductId
                                          : arg == CodePageOption  ? &options.CodePage
                                                                   : nullptr;
        std::string name = arg, value;
        if (!target) {
            // "--family-id=N" as well as "--family-id N".
            const size_t equals = arg.find('=');
            if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
                name = arg.substr(0, equals);
                value = arg.substr(equals + 1);
                target = name == FamilyIdOption    ? &options.FamilyId
                         : name == ProductIdOption ? &options.ProductId
                         : name == CodePageOption  ? &options.CodePage
                                                   : nullptr;
            }
            if (!target) {
                if (arg.rfind("--", 0) == 0)
                    return UsageError(FillIn(Translate("velmora-typ", "unknown option '%1'"), {arg}));
                files.push_back(arg);
                continue;
            }
        } else {
            if (i + 1 == args.size())
                return UsageError(FillIn(Translate("velmora-typ", "%1 needs a value"), {arg}));
            value = args[++i];
        }
        *target = OptionNumber(value);
        if (!*target)
            return UsageError(FillIn(Translate("velmora-typ", "%1 takes a number from 0 to 65535, not '%2'"),
                                     {name, value}));
    }
    if (files.size() != 2)
        return UsageError(Translate("velmora-typ", "compile takes an input and an output file"));
    const std::string& input = files[0];
    const std::string& output = files[1];
    TypDocument doc;
    CompileResult result;
    try {
        LoadDocument(input, doc);
        result = CompileTyp(doc, options);
    } catch (const TypError& error) {
        // Nothing is written for an input that does not compile whole.
        PrintError(input + ": " + ErrorText(error));
        return ExitFailure;
    }
    for (const std::string& warning : result.Warnings)
        PrintError(FillIn(Translate("velmora-typ", "%1: warning: %2"), {input, EngineText(warning)}));
    WriteFileAtomically(
        output, std::string_view(reinterpret_cast<const char*>(result.Bytes.data()), result.Bytes.size()));
    return ExitSuccess;
}

} // namespace velmora::cli
