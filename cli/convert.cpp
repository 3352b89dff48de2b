// velmora-typ convert INPUT OUTPUT: a TYP file in, its text form out.
#include "cli/cli.h"
#include "model/maintyp.h"
#include "model/text_format.h"

#include <cstddef>
#include <string>

namespace velmora::cli {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// A compiled file is known by its name ending in ".typ" or by "GARMIN TYP" at bytes 2 to 11.
bool IsCompiledInput(std::string_view fileName, std::string_view bytes) {
    constexpr std::string_view Extension = ".typ";
    constexpr std::string_view Signature = "GARMIN TYP";
    if (fileName.size() >= Extension.size() &&
        EqualsNoCase(fileName.substr(fileName.size() - Extension.size()), Extension))
        return true;
    return bytes.size() >= 2 + Signature.size() && EqualsNoCase(bytes.substr(2, Signature.size()), Signature);
}

// Fills doc from the input file; a conversion error or an unreadable file throws.
void LoadInput(const std::string& path, TypDocument& doc) {
    const std::string bytes = ReadWholeFile(path);
    if (IsCompiledInput(path, bytes))
        throw TypError(path + ": compiled TYP files cannot be converted yet; give the text form");
    LoadTextTypDocument(bytes, doc);
}

} // namespace

int RunConvert(std::span<const std::string> args) {
    if (args.size() != 2) return UsageError("convert takes an input and an output file");
    const std::string& input = args[0];
    const std::string& output = args[1];
    TypDocument doc;
    try {
        LoadInput(input, doc);
    } catch (const ConversionError& error) {
        // The whole conversion is abandoned: no output file for a partly read input.
        PrintError(input + ": " + error.what());
        return ExitFailure;
    }
    WriteFileAtomically(output, WriteTextTyp(doc, CurrentDateTimeText()));
    return ExitSuccess;
}

} // namespace velmora::cli
