// The subcommands of velmora-typ. Each one takes the arguments after its name and gives back the
// exit status: 0 done, 1 failed (a message is on standard error), 2 wrong usage.
#pragma once

#include "model/maintyp.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

inline constexpr std::string_view ProgramName = "velmora-typ";

struct Command {
    std::string_view Name;
    std::string_view Synopsis; // the arguments, as the usage text shows them
    const char* Description;   // one line, English, marked for translation
    int (*Run)(std::span<const std::string> args);
};

// Every subcommand, in the order the usage text lists them.
std::span<const Command> Commands();

// The usage text of the whole program.
std::string UsageText();

// Prints "velmora-typ: message" on standard error.
void PrintError(std::string_view message);

// The message of an error in the user's language: a file error worded from its parts, an engine's
// message from its sentence (EngineText), any other error as it was written.
std::string ErrorText(const std::exception& error);
// A message of the compiler, the import or the reader in the user's language.
std::string EngineText(std::string_view message);

// Prints the usage text on standard error and gives ExitUsage.
int UsageError(std::string_view message);

// Fills doc from a text or compiled TYP file (compiled by its name or signature); the warnings of
// an import go to standard error. Throws ConversionError, FileError or TypError.
void LoadDocument(const std::string& path, TypDocument& doc);

int RunConvert(std::span<const std::string> args);
int RunCompile(std::span<const std::string> args);
int RunRender(std::span<const std::string> args);
int RunRenderMap(std::span<const std::string> args);
int RunMapTypes(std::span<const std::string> args);

} // namespace velmora::cli
