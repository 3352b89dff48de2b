// velmora-typ convert INPUT OUTPUT: a TYP file in, its text form out.
#include "cli/cli.h"
#include "cli/translate.h"
#include "model/maintyp.h"
#include "model/text_format.h"

#include <span>
#include <string>

namespace velmora::cli {

int RunConvert(std::span<const std::string> args) {
    if (args.size() != 2)
        return UsageError(Translate("velmora-typ", "convert takes an input and an output file"));
    const std::string& input = args[0];
    const std::string& output = args[1];
    TypDocument doc;
    try {
        LoadDocument(input, doc);
    } catch (const ConversionError& error) {
        // The whole conversion is abandoned: no output file for a partly read input.
        PrintError(input + ": " + ErrorText(error));
        return ExitFailure;
    }
    WriteFileAtomically(output, WriteTextTyp(doc, CurrentDateTimeText()));
    return ExitSuccess;
}

} // namespace velmora::cli
