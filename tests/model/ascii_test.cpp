#include "model/ascii.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using namespace std::string_view_literals;

TEST(AsciiHelpers, TrimRemovesEveryByteUpToSpaceAndNothingAbove) {
    const struct {
        std::string_view Text, Left, Right, Both;
    } cases[] = {
        {"", "", "", ""},
        {" \t ", "", "", ""},
        {"  a b  ", "a b  ", "  a b", "a b"},
        {"\x01\x1F"
         "x\r\n",
         "x\r\n",
         "\x01\x1F"
         "x",
         "x"},
        {"\0a\0"sv, "a\0"sv, "\0a"sv, "a"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"}, // a no-break space of a code page stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimLeft(c.Text), c.Left);
        EXPECT_EQ(TrimRight(c.Text), c.Right);
        EXPECT_EQ(Trim(c.Text), c.Both);
    }
}

TEST(AsciiHelpers, LetterCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(LowerAsciiText("[_DrawOrder] Type=0X1F"), "[_draworder] type=0x1f");
    // "@", "[", "`" and "{" lie beside the letters; bytes above 127 are letters of no code page here.
    EXPECT_EQ(LowerAsciiText("@Z[`a{\xC0\xDF"), "@z[`a{\xC0\xDF");
    EXPECT_EQ(LowerAscii('Q'), 'q');
    EXPECT_EQ(LowerAscii('\xC0'), '\xC0');
}

TEST(AsciiHelpers, ComparisonsIgnoreTheLetterCaseOfBothSides) {
    const struct {
        std::string_view A, B;
        bool Equal, Starts;
    } cases[] = {
        {"GARMIN TYP", "garmin typ", true, true},
        {"CodePage=1252", "codepage", false, true},
        {"codepage", "CODEPAGE=", false, false},
        {"none", "NONE", true, true},
        {"nonE", "none ", false, false},
        {"", "", true, true},
        {"x", "", false, true},
        {"\xE0", "\xC0", false, false}, // no case folding above 127
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualIgnoringAsciiCase(c.A, c.B), c.Equal) << c.A << " | " << c.B;
        EXPECT_EQ(StartsWithIgnoringAsciiCase(c.A, c.B), c.Starts) << c.A << " | " << c.B;
    }
}

} // namespace
} // namespace velmora
