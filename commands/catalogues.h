// The fixed lists of the main window: the type catalogue of each kind, the label languages, the
// palette that seeds every new colour table and the group of commands that creation mode switches
// off. Texts are UTF-8.
#pragma once

#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// The rows of the type catalogue of a kind (KindPoint 270, KindLine 36, KindPolygon 53 rows): "0x",
// the code in lower-case hexadecimal (four digits for points, two otherwise; "0x210F" is the one
// upper-case code), four spaces and the Russian name.
std::span<const std::string> TypeCatalogue(int kind);
// The same rows as the type picker shows them: the names in the language of the installed translator.
QStringList ShownTypeCatalogue(int kind);
// The row of the catalogue of a kind that names this type (a point's type and subtype), or -1.
int CatalogueRow(int kind, uint32_t type, uint32_t subType);
// The catalogue's name of the type in the language of the installed translator, or empty.
QString ShownCatalogueName(int kind, uint32_t type, uint32_t subType);

// The label languages of ComboBox3, "0x00 - unspecified" to "0x22 - bulgarian" (35 rows).
std::span<const std::string_view> LanguageList();
// The row selected at start: "0x19 - russian".
inline constexpr int DefaultLanguageRow = 25;

struct PaletteRgb {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
};

// The 16 colours that seed every new colour table.
inline constexpr std::array<PaletteRgb, 16> DefaultPalette = {{
    {255, 0, 0},
    {0, 128, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 255, 255},
    {128, 128, 128},
    {255, 0, 255},
    {0, 128, 128},
    {0, 0, 128},
    {128, 0, 0},
    {0, 255, 0},
    {128, 128, 0},
    {128, 0, 128},
    {192, 192, 192},
    {0, 255, 255},
    {0, 0, 0},
}};

// The commands of the window that BtnVisible switches together.
enum class GroupCommand {
    OpenTextButton,   // toolbar "Открыть файл  txt" (ToolButton1)
    SaveButton,       // toolbar "Сохранить файл" (ToolButton2)
    DeleteButton,     // toolbar "Удалить объект" (ToolButton4)
    AddPictureButton, // toolbar "Добавить рисунок" (ToolButton6)
    SaveBmpButton,    // toolbar "Сохранить bmp" (ToolButton7)
    CopyButton,       // toolbar "Копировать в буфер" (ToolButton10)
    PasteButton,      // toolbar "Вставить из буфера" (ToolButton11)
    OpenItem,         // "Файл" > "Открыть"
    SaveItem,         // "Файл" > "Сохранить"
    DeleteItem,       // "Создать" > "Удалить"
    AddBmpItem,       // "Создать" > "Добавить bmp"
    BitMapItem,       // "Сохранить" > "BitMap"
    CopyItem,         // "Создать" > "Копировать"
    PasteItem,        // "Создать" > "Вставить"
    TypFileItem, // "Сохранить" > "TYP-файл" (the toolbar "Создать TYP" is not in the group)
};

// The group in the order in which BtnVisible switches it.
inline constexpr std::array<GroupCommand, 15> BtnVisibleGroup = {
    GroupCommand::OpenTextButton,   GroupCommand::SaveButton,    GroupCommand::DeleteButton,
    GroupCommand::AddPictureButton, GroupCommand::SaveBmpButton, GroupCommand::CopyButton,
    GroupCommand::PasteButton,      GroupCommand::OpenItem,      GroupCommand::SaveItem,
    GroupCommand::DeleteItem,       GroupCommand::AddBmpItem,    GroupCommand::BitMapItem,
    GroupCommand::CopyItem,         GroupCommand::PasteItem,     GroupCommand::TypFileItem,
};

} // namespace velmora
