#include "commands/compiler_command.h"

namespace velmora {

CompilerCall CompilerCommandLine(const QString& compilerPath, const QString& inputPath) {
    CompilerCall call{compilerPath, {QStringLiteral("typ"), QStringLiteral("-q")}};
    if (!inputPath.isEmpty()) call.Arguments << inputPath;
    return call;
}

} // namespace velmora
