#include "commands/catalogues.h"
#include "commands/compiler_command.h"
#include "commands/palette_grid.h"

#include "model/maintyp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace velmora {
namespace {

TEST(TypeCatalogue, HasItsRowCountPerKind) {
    EXPECT_EQ(TypeCatalogue(KindPoint).size(), 270u);
    EXPECT_EQ(TypeCatalogue(KindLine).size(), 36u);
    EXPECT_EQ(TypeCatalogue(KindPolygon).size(), 53u);
}

TEST(TypeCatalogue, RowsAreCodeFourSpacesAndName) {
    const std::regex point("0x[0-9a-f]{4}    .+");
    const std::regex other("0x[0-9a-f]{2}    .+");
    for (const std::string& row : TypeCatalogue(KindPoint))
        EXPECT_TRUE(std::regex_match(row, point) || row == "0x210F    Съезд к сервису") << row;
    for (int kind : {KindLine, KindPolygon})
        for (const std::string& row : TypeCatalogue(kind))
            EXPECT_TRUE(std::regex_match(row, other)) << row;
}

TEST(TypeCatalogue, QuotedRowsStandInTheirPlaces) {
    struct Case {
        int Kind;
        size_t Index;
        const char* Row;
    };
    for (const Case& c : {
             Case{KindPoint, 0, "0x0100    Мегаполис (свыше 10 млн.)"},
             Case{KindPoint, 16, "0x1100    Поселок (менее 100)"},
             Case{KindPoint, 20, "0x1600    Маяк"},
             Case{KindPoint, 45, "0x2800    Надпись"},
             Case{KindPoint, 46, "0x1c00    Водная преграда"},
             Case{KindPoint, 61, "0x210F    Съезд к сервису"},
             Case{KindPoint, 69, "0x2a00    Предприятие питания"},
             Case{KindPoint, 130, "0x2f01    АЗС"},
             Case{KindPoint, 187, "0x5900    Аэропорт"},
             Case{KindPoint, 245, "0x6600    Природный наземный объект"},
             Case{KindPoint, 269, "0x6618    Роща"},
             Case{KindLine, 0, "0x00    Дорога"},
             Case{KindLine, 13, "0x16    Аллея, тропа"},
             Case{KindLine, 15, "0x1a    Паром"},
             Case{KindLine, 35, "0x2b    Морская опасность"},
             Case{KindPolygon, 0, "0x01    Городcкая застройка (>200 тж)"},
             Case{KindPolygon, 52, "0x53    Отмель"},
         }) {
        ASSERT_LT(c.Index, TypeCatalogue(c.Kind).size());
        EXPECT_EQ(TypeCatalogue(c.Kind)[c.Index], c.Row);
    }
}

TEST(LanguageList, HoldsThe35LanguagesWithRussianAtStart) {
    ASSERT_EQ(LanguageList().size(), 35u);
    EXPECT_EQ(LanguageList().front(), "0x00 - unspecified");
    EXPECT_EQ(LanguageList()[DefaultLanguageRow], "0x19 - russian");
    EXPECT_EQ(LanguageList().back(), "0x22 - bulgarian");
    for (size_t i = 0; i < LanguageList().size(); ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%02x - ", unsigned(i));
        EXPECT_TRUE(LanguageList()[i].starts_with(code)) << LanguageList()[i];
    }
}

TEST(BtnVisibleGroup, LeavesOutTheCommandsUsableInCreationMode) {
    EXPECT_EQ(BtnVisibleGroup.front(), GroupCommand::OpenTextButton);
    EXPECT_EQ(BtnVisibleGroup.back(), GroupCommand::TypFileItem);
    std::array<GroupCommand, 15> sorted = BtnVisibleGroup;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(PaletteGrid, CellsFollowTheLevelTables) {
    struct Case {
        int Col, Row;
        uint32_t Red, Green, Blue;
    };
    for (const Case& c : {Case{0, 0, 0, 0, 0}, Case{7, 0, 0, 0, 255}, Case{8, 0, 0, 48, 0},
                          Case{15, 14, 255, 255, 255}, Case{0, 3, 57, 0, 0}, Case{6, 7, 123, 101, 213},
                          Case{0, 15, 255, 255, 255}, Case{1, 15, 0xE6, 0xE6, 0xE6}, Case{15, 15, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.Col << "," << c.Row);
        EXPECT_EQ(PaletteGrid()[size_t(c.Col)][size_t(c.Row)], c.Red | c.Green << 8 | c.Blue << 16);
    }
}

TEST(PaletteGrid, LastRowIsGreysFromWhiteToBlack) {
    uint32_t previous = 256;
    for (size_t col = 0; col < 16; ++col) {
        const uint32_t colour = PaletteGrid()[col][15];
        const uint32_t red = colour & 0xFF;
        EXPECT_EQ(colour, red | red << 8 | red << 16);
        EXPECT_LT(red, previous);
        previous = red;
    }
}

TEST(PaletteGrid, HexTextIsRedGreenBlue) {
    EXPECT_EQ(PaletteHexText(123 | 101 << 8 | 213 << 16), "7B65D5");
    EXPECT_EQ(PaletteHexText(0xFFFFFF), "FFFFFF");
    EXPECT_EQ(PaletteHexText(0), "000000");
}

TEST(CompilerCommandLine, ProgramThenTypQuietAndTheInputAsOneArgument) {
    const CompilerCall call = CompilerCommandLine("/opt/cgps/cgpsmapper", "/home/u/My Typ File.txt");
    EXPECT_EQ(call.Program, "/opt/cgps/cgpsmapper");
    EXPECT_EQ(call.Arguments, (QStringList{"typ", "-q", "/home/u/My Typ File.txt"}));
    EXPECT_EQ(CompilerCommandLine("cgpsmapper", "").Arguments, (QStringList{"typ", "-q"}));
}

} // namespace
} // namespace velmora
