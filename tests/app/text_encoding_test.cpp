#include "app/text_encoding.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct EncodingCase {
    const char* Name;
    std::string Bytes;
    std::vector<std::string> Header;
    const char* Expected;
};

class ChooseTextEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(ChooseTextEncodingTest, PicksUtf8ElseTheHeaderCodePageElse1251) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(ChooseTextEncoding(c.Bytes, c.Header), QByteArray(c.Expected));
}

const std::vector<std::string> Header1252 = {"[_id]", "Codepage=1252", "[end]"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseTextEncodingTest,
    testing::Values(
        EncodingCase{"BomBeforeAsciiText", "\xEF\xBB\xBF[_id]", Header1252, "UTF-8"},
        EncodingCase{"ValidUtf8Labels",
                     "string1=0x02,Stra\xC3\x9F"
                     "e",
                     Header1252, "UTF-8"},
        EncodingCase{"ValidFourByteSequence", "x\xF0\x9F\x98\x80", Header1252, "UTF-8"},
        EncodingCase{"Latin1ByteAlone", "string1=0x02,Caf\xE9", Header1252, "windows-1252"},
        EncodingCase{"AsciiOnlyFollowsTheCodePage", "string1=0x04,Road", Header1252, "windows-1252"},
        EncodingCase{"OverlongSlashIsNotUtf8", "a\xC0\xAF", Header1252, "windows-1252"},
        EncodingCase{"SurrogateIsNotUtf8", "a\xED\xA0\x80", Header1252, "windows-1252"},
        EncodingCase{"TruncatedSequenceAtEnd", "a\xD0", Header1252, "windows-1252"},
        EncodingCase{"AboveUnicodeRange", "a\xF4\x90\x80\x80", Header1252, "windows-1252"},
        EncodingCase{"KeyInAnyLetterCase", "\xE9", {"CODEPAGE=1250"}, "windows-1250"},
        EncodingCase{"BlanksBeforeTheNumber", "\xE9", {"codePage= 1257 ; Baltic"}, "windows-1257"},
        EncodingCase{"Utf8CodePage", "\xE9", {"Codepage=65001"}, "UTF-8"},
        EncodingCase{"NoCodePageLine", "\xE9", {"[_id]", "FID=1"}, "windows-1251"},
        EncodingCase{"UnknownCodePage", "\xE9", {"Codepage=12345"}, "windows-1251"},
        EncodingCase{"CodePageWithoutNumber", "\xE9", {"Codepage=latin"}, "windows-1251"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.Name); });

TEST(TextEncodingTest, DecodesAndEncodesTheCodePage) {
    EXPECT_EQ(DecodeText("\xCF\xF0\xE8", "windows-1251"), QStringLiteral("При"));
    EncodedText encoded = EncodeText(QStringLiteral("Café"), "windows-1252");
    EXPECT_EQ(encoded.Bytes, "Caf\xE9");
    EXPECT_FALSE(encoded.Replaced);
}

TEST(TextEncodingTest, CharactersWithoutCodeBecomeQuestionMarks) {
    EncodedText encoded = EncodeText(QStringLiteral("Жd\U0001F600é"), "windows-1252");
    EXPECT_EQ(encoded.Bytes, "?d?\xE9");
    EXPECT_TRUE(encoded.Replaced);
    EXPECT_EQ(EncodeText(QStringLiteral("Жd"), "UTF-8").Bytes, "\xD0\x96"
                                                               "d");
}

TEST(TextEncodingTest, UneditedLinesKeepTheirBytesEvenWhenTheyDoNotDecode) {
    // A stray 0xFF is no UTF-8: decoding and encoding again would give EF BF BD instead.
    const std::vector<std::string> old = {"0x19,\xD0\x9F\xD0\xBE", "0x19,\xFFodd", "0x04,Mail"};
    QStringList edited{DecodeText(old[2], "UTF-8") + QStringLiteral("!"), DecodeText(old[1], "UTF-8"),
                       DecodeText(old[0], "UTF-8"), QStringLiteral("0x19,Ж")};
    EncodedLines lines = EncodeEditedLines(old, edited, "UTF-8");
    EXPECT_EQ(lines.Lines, (std::vector<std::string>{"0x04,Mail!", old[1], old[0], "0x19,\xD0\x96"}));
    EXPECT_FALSE(lines.Replaced);
}

TEST(TextEncodingTest, EachOldLineServesOnce) {
    const std::vector<std::string> old = {"a\xFF", "b"};
    QStringList edited{DecodeText(old[0], "UTF-8"), DecodeText(old[0], "UTF-8")};
    EncodedLines lines = EncodeEditedLines(old, edited, "UTF-8");
    EXPECT_EQ(lines.Lines, (std::vector<std::string>{"a\xFF", "a\xEF\xBF\xBD"}));
}

TEST(TextEncodingTest, TheProgramsOwnHeaderMarksReadAs1251InEveryDocument) {
    const std::string nt = ";NT - \xF2\xE8\xEF";
    EXPECT_EQ(DecodeLine(nt, "windows-1252"), QStringLiteral(";NT - тип"));
    EXPECT_EQ(DecodeLine(";OLD - \xF2\xE8\xEF", "UTF-8"), QStringLiteral(";OLD - тип"));
    EXPECT_EQ(DecodeLine("Caf\xE9", "windows-1252"), QStringLiteral("Café"));
    EncodedLines lines = EncodeEditedLines(
        {nt, "FID=1"}, {QStringLiteral(";NT - тип"), QStringLiteral("FID=2")}, "windows-1252");
    EXPECT_EQ(lines.Lines, (std::vector<std::string>{nt, "FID=2"}));
    EXPECT_FALSE(lines.Replaced);
}

} // namespace
} // namespace velmora
