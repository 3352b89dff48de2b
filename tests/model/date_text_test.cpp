#include "model/date_text.h"
#include "model/text_format.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cwchar>
#include <string>

namespace velmora {
namespace {

std::tm SecondOfJanuary() {
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 15;
    time.tm_min = 4;
    time.tm_sec = 5;
    return time;
}

TEST(DateText, TakesTheShortDateAndLongTimeOfTheLocale) {
    EXPECT_EQ(DateTimeText(SecondOfJanuary(), std::locale::classic()), "01/02/24 15:04:05");
    std::locale russian;
    try {
        russian = std::locale("ru_RU.UTF-8");
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "the locale ru_RU.UTF-8 is not installed";
    }
    EXPECT_EQ(DateTimeText(SecondOfJanuary(), russian), "02.01.2024 15:04:05");
}

TEST(DateText, CurrentTextIsOneLine) {
    const std::string text = CurrentDateTimeText();
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
}

TEST(DateText, EncodesCodePage1251AndMarksTheRest) {
    EXPECT_EQ(EncodeCp1251(L"AZ \u0401\u0451 \u2116\u2014\u20AC \u0410\u044F"),
              "AZ \xA8\xB8 \xB9\x97\x88 \xC0\xFF");
    EXPECT_EQ(EncodeCp1251(L"\u0101\u4E2D\U0001F600\u0098"), "????");
}

// Every character of the code page's upper half comes back as its byte, checked against the C
// library's own converter.
TEST(DateText, UpperHalfMatchesTheSystemConverter) {
    const iconv_t converter = iconv_open("WCHAR_T", "CP1251");
    if (converter == iconv_t(-1)) GTEST_SKIP() << "the C library has no CP1251 converter";
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in = char(byte);
        wchar_t out = 0;
        char* inPointer = &in;
        char* outPointer = reinterpret_cast<char*>(&out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == size_t(-1))
            continue; // no character
        EXPECT_EQ(EncodeCp1251(std::wstring_view(&out, 1)), std::string(1, char(byte))) << std::hex << byte;
    }
    iconv_close(converter);
}

} // namespace
} // namespace velmora
