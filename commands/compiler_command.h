// How the outside compiler cGPSmapper is started on the text file last opened or saved.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

struct CompilerCall {
    QString Program;
    QStringList Arguments;
    friend bool operator==(const CompilerCall&, const CompilerCall&) = default;
};

// The compiler path as typed, then "typ", "-q" and the input file's path as one argument (there
// are no short names to fall back on). Without an input file the line ends after "-q", as the
// compiler would read a command line ending in " typ -q ".
CompilerCall CompilerCommandLine(const QString& compilerPath, const QString& inputPath);

} // namespace velmora
