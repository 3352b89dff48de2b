// Reading the input file of a subcommand through the document loader: a compiled TYP by its name or
// signature, else text.
#include "cli/cli.h"
#include "model/maintyp.h"
#include "typbin/document_loader.h"

#include <algorithm>
#include <string>

namespace velmora::cli {

void LoadDocument(const std::string& path, TypDocument& doc) {
    LoadedDocument loaded;
    try {
        loaded = LoadTypFile(path, KindRule::NameOrSignature);
    } catch (const FileError&) {
        throw;
    } catch (const TypError& error) {
        // A file that is not a compiled TYP: its message names the file, the carriage return between
        // the two languages turned into a line break.
        std::string message = error.what();
        std::replace(message.begin(), message.end(), '\r', '\n');
        throw TypError(path + ": " + message);
    }
    // A text file read only in part is no input to convert.
    if (loaded.PartialError) std::rethrow_exception(loaded.PartialError);
    for (const std::string& warning : loaded.Warnings)
        PrintError(path + ": " + EngineText(warning));
    doc = std::move(loaded.Document);
}

} // namespace velmora::cli
