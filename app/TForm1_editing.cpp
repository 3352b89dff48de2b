// The editing handlers of the main window: painting and colour editing, creation mode, the type
// catalogue and label lines, deletion, the clipboard, BMP template and export, the compiler.
#include "app/TForm1.h"

namespace velmora {

void TForm1::Image1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::EditPixelColour(int, int, Qt::KeyboardModifiers, int, int) {}
void TForm1::ComboBox2KeyDown(int, Qt::KeyboardModifiers) {}
void TForm1::ToolButton5Click() {}
void TForm1::N10Click() {}
void TForm1::N11Click() {}
void TForm1::N12Click() {}
void TForm1::RadioGroup2Click2() {}
bool TForm1::Edit3KeyPress(QChar) {
    return true;
}
void TForm1::BitBtn1Click() {}
void TForm1::BitBtn2Click() {}
void TForm1::ComboBox1DblClick() {}
void TForm1::ComboBox4Change() {}
void TForm1::ComboBox4DblClick() {}
void TForm1::ComboBox3DblClick() {}
void TForm1::ToolButton4Click() {}
void TForm1::ToolButton10Click() {}
void TForm1::ToolButton11Click() {}
void TForm1::ToolButton6Click() {}
void TForm1::ToolButton7Click() {}
void TForm1::ToolButton9Click() {}

} // namespace velmora
