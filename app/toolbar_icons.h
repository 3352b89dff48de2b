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
    Compile
};

QIcon ToolbarIconImage(ToolbarIcon icon);

} // namespace velmora
