// The toolbar images, drawn by the program so that no image files need shipping.
#pragma once

#include <QIcon>

namespace velmora {

enum class ToolbarIcon {
    OpenText,
    OpenCompiled,
    Save,
    AddObject,
    AddPicture,
    Copy,
    Paste,
    Delete,
    SaveBmp,
    Compile,
    Undo,
    Redo
};

QIcon ToolbarIconImage(ToolbarIcon icon);

// The program's own icon (the installed desktop entry uses velmora.svg, the same picture).
QIcon ProgramIconImage();

} // namespace velmora
