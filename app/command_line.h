// The editor's command line: "velmora [FILE]" starts the window, "velmora --help" and
// "velmora --version" answer on standard output without one, so they work without a display too.
// Qt's own options (-platform, -style, ...) pass on to the application as before.
#pragma once

#include <QString>

#include <optional>

namespace velmora {

// The help text, in the language of the installed translation.
QString CommandLineHelp();

// "velmora Version ...": the program and the version the about box shows.
QString CommandLineVersion();

// Answers --help (-h) or --version (-V) when an argument asks for one and returns the exit status;
// nothing otherwise, and the window starts.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]);

} // namespace velmora
