// The vocabulary of the text TYP form that its reader, its writers and the map engine share: the
// numbers as the file writes them, key values, label colours, alphas, font styles, the pairs of two
// characters per pixel, the code page a header names.
#include "model/text_format.h"
#include "model/ascii.h"
#include "model/text_lines.h"

#include <array>
#include <cstddef>

namespace velmora {

namespace {

// Codes written as a pair of two different characters with two characters per pixel: a lead and a
// second character. Printable codes are written doubled.
constexpr std::string_view PairLeads = "~}";

bool IsPlainCode(uint8_t c) {
    return c >= 32 && c <= 126 && c != '"';
}

bool IsPairSecond(uint8_t c) {
    return c > 32 && c <= 126 && c != '"' && c != '~' && c != '}';
}

struct PairTables {
    std::array<uint8_t, 256> IndexOfCode{};   // rank of a non-plain code among the non-plain codes
    std::array<uint8_t, 256> CodeOfIndex{};   // the inverse
    std::array<uint8_t, 128> IndexOfSecond{}; // rank of a second character
    std::array<char, 91> Seconds{};
    PairTables() {
        size_t n = 0;
        for (unsigned c = 0; c < 256; ++c)
            if (!IsPlainCode(uint8_t(c))) {
                IndexOfCode[c] = uint8_t(n);
                CodeOfIndex[n++] = uint8_t(c);
            }
        n = 0;
        for (unsigned c = 0; c < 128; ++c)
            if (IsPairSecond(uint8_t(c))) {
                IndexOfSecond[c] = uint8_t(n);
                Seconds[n++] = char(c);
            }
    }
};

const PairTables& Pairs() {
    static const PairTables tables;
    return tables;
}

// Takes an integer off the front of the XPM header text up to the first space (or all of it
// when there is none) and removes the text through that space.
uint8_t TakeHeaderNumber(std::string_view& text) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) return static_cast<uint8_t>(StrToInt(text));
    const uint8_t value = static_cast<uint8_t>(StrToInt(text.substr(0, space)));
    text.remove_prefix(space + 1);
    return value;
}

} // namespace

std::optional<std::pair<size_t, size_t>> AlphaKeyDigits(std::string_view tail) {
    for (size_t at = tail.find("alpha"); at != std::string_view::npos; at = tail.find("alpha", at + 1)) {
        size_t i = at + 5;
        while (i < tail.size() && (tail[i] == ' ' || tail[i] == '\t'))
            ++i;
        if (i >= tail.size() || tail[i] != '=') continue;
        ++i;
        while (i < tail.size() && (tail[i] == ' ' || tail[i] == '\t'))
            ++i;
        if (i >= tail.size() || tail[i] < '0' || tail[i] > '9') continue;
        size_t end = i;
        while (end < tail.size() && tail[end] >= '0' && tail[end] <= '9')
            ++end;
        return std::pair{i, end};
    }
    return std::nullopt;
}

int32_t StrToInt(std::string_view text) {
    auto fail = [text]() -> ConversionError { return ConversionError(FillIn(NotValidInteger, {text})); };
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) throw fail();
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = LowerAscii(text[i]);
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            throw fail();
        value = value * base + digit;
        if (value > limit) throw fail();
    }
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

int32_t ParseHex(std::string_view text) {
    if (text.size() > 6) return 0;
    int32_t value = 0;
    for (char c : text) {
        const int code = static_cast<unsigned char>(LowerAscii(c));
        // Characters outside 0-9 and a-f are not rejected: they give their computed digit value.
        value = value * 16 + (code >= 64 ? code - 87 : code - 48);
    }
    return value;
}

void ParseXpmHeader(std::string_view line, TXpmHeader& header) {
    const size_t open = line.find('"');
    std::string_view text = open == std::string_view::npos ? line : line.substr(open + 1);
    text = TrimLeft(text.substr(0, text.find('"')));
    header.Width = TakeHeaderNumber(text);
    header.Height = TakeHeaderNumber(text);
    header.ColourCount = TakeHeaderNumber(text);
    header.CharsPerPixel = static_cast<uint8_t>(StrToInt(text));
}

std::string_view KeyLineText(std::string_view line) {
    const size_t p = line.find_first_of(textform::KeyValueSeparators);
    return p == std::string_view::npos ? line : line.substr(p + 1);
}

std::string_view KeyLineValue(std::string_view line) {
    return Trim(KeyLineText(line));
}

std::optional<uint32_t> ParseLabelColour(std::string_view value) {
    if (value.size() != 7 || value[0] != '#') return std::nullopt;
    for (size_t i = 1; i < 7; ++i)
        if (!IsHexDigit(value[i])) return std::nullopt;
    const auto component = [&](size_t i) { return static_cast<uint32_t>(ParseHex(value.substr(i, 2))); };
    return component(1) | component(3) << 8 | component(5) << 16;
}

std::optional<uint32_t> FindAlphaKey(std::string_view tail) {
    const auto digits = AlphaKeyDigits(tail);
    if (!digits) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = digits->first; i < digits->second && i < digits->first + 9; ++i)
        value = value * 10 + static_cast<uint32_t>(tail[i] - '0');
    return value;
}

std::array<char, 2> TwoCharCode(char code) {
    const uint8_t c = static_cast<uint8_t>(code);
    if (IsPlainCode(c)) return {code, code};
    const size_t index = Pairs().IndexOfCode[c];
    const size_t seconds = Pairs().Seconds.size();
    return {PairLeads[index / seconds], Pairs().Seconds[index % seconds]};
}

std::optional<char> CodeOfTwoChars(char first, char second) {
    const uint8_t a = static_cast<uint8_t>(first);
    const uint8_t b = static_cast<uint8_t>(second);
    if (a == b) return IsPlainCode(a) ? std::optional<char>(first) : std::nullopt;
    const size_t lead = PairLeads.find(first);
    if (lead == std::string_view::npos || !IsPairSecond(b)) return std::nullopt;
    const size_t index = lead * Pairs().Seconds.size() + Pairs().IndexOfSecond[b];
    if (index >= 256 - 94) return std::nullopt;
    return static_cast<char>(Pairs().CodeOfIndex[index]);
}

uint8_t ParseFontStyle(std::string_view value) {
    if (StartsWithIgnoringAsciiCase(value, "nolabel")) return FontNoLabel;
    auto is = [value](std::string_view lowerName) {
        return value.size() == lowerName.size() && StartsWithIgnoringAsciiCase(value, lowerName);
    };
    if (is("smallfont") || is("small")) return FontSmall;
    if (is("normalfont") || is("normal")) return FontNormal;
    if (is("largefont") || is("large")) return FontLarge;
    return FontDefault;
}

std::string_view FontStyleName(uint8_t fontStyle) {
    switch (fontStyle) {
    case FontNoLabel:
        return "NoLabel";
    case FontSmall:
        return "SmallFont";
    case FontNormal:
        return "NormalFont";
    case FontLarge:
        return "LargeFont";
    default:
        return "Default";
    }
}

uint8_t AlphaOfOpacity(uint8_t opacity) {
    return static_cast<uint8_t>((255 - opacity + 8) / 17);
}

// "alpha=N" stands for the opacity 255 - 17 N, taken modulo 256 as the map compiler does.
uint8_t AlphaOfAlphaKey(uint32_t value) {
    return AlphaOfOpacity(static_cast<uint8_t>((255u - 17u * value) & 0xFFu));
}

std::string_view DeclaredCodePage(const std::vector<std::string>& headerLines) {
    for (const std::string& line : headerLines)
        if (StartsWithIgnoringAsciiCase(line, textform::CodePage)) return KeyLineValue(line);
    return {};
}

bool WritesUtf8(const TypDocument& doc) {
    return doc.ByteOrderMark || doc.Utf8 || DeclaredCodePage(doc.HeaderLines) == "65001";
}

} // namespace velmora
