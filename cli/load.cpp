// Reading the input file of a subcommand: a compiled TYP by its name or signature, else text.
#include "cli/cli.h"
#include "model/maintyp.h"
#include "model/text_format.h"
#include "typbin/binary_import.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

namespace velmora::cli {

namespace {

// Imports a compiled file; its warnings go to standard error. A file that is not a compiled TYP
// throws its message, the carriage return between the two languages turned into a line break.
void ImportCompiled(const std::string& path, const std::string& bytes, TypDocument& doc) {
    BinaryImportResult result;
    try {
        result = ImportBinaryTyp(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const TypError& error) {
        std::string message = error.what();
        std::replace(message.begin(), message.end(), '\r', '\n');
        throw TypError(path + ": " + message);
    }
    for (const std::string& warning : result.Warnings)
        PrintError(path + ": " + EngineText(warning));
    doc = std::move(result.Document);
}

} // namespace

void LoadDocument(const std::string& path, TypDocument& doc) {
    const std::string bytes = ReadWholeFile(path);
    if (IsCompiledTypFile(path, bytes))
        ImportCompiled(path, bytes, doc);
    else
        LoadTextTypDocument(bytes, doc);
}

} // namespace velmora::cli
