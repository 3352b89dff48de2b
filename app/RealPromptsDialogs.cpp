// The program's own dialogs behind RealPrompts: palette (G60Cx), colour edit (EdSymb) and compiler
// (Thr). Until they are wired in, each answers as if cancelled.
#include "app/RealPrompts.h"

namespace velmora {

struct RealPrompts::Dialogs {};

void RealPrompts::CreateDialogs() {
    if (!OwnDialogs) OwnDialogs = new Dialogs;
}

void RealPrompts::DestroyDialogs() {
    delete OwnDialogs;
    OwnDialogs = nullptr;
}

std::optional<ColourValue> RealPrompts::GarminPaletteColour(std::optional<ColourValue>) {
    return std::nullopt;
}

ColourEditResult RealPrompts::EditColour(const ColourEditRequest&) {
    return {};
}

Answer RealPrompts::CompileTyp(const CompilerRequest&) {
    return Answer::Cancel;
}

} // namespace velmora
