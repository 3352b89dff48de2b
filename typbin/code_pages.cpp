#include "typbin/code_pages.h"
#include "model/utf8.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr uint32_t FirstWindowsPage = 1250;
constexpr uint32_t LastWindowsPage = 1258;
constexpr char32_t Replacement = 0xFFFD;

bool IsWindowsPage(uint32_t codePage) {
    return codePage >= FirstWindowsPage && codePage <= LastWindowsPage;
}

const std::array<char16_t, 128>& HighHalf(uint32_t codePage) {
    return WindowsCodePageHighHalves[codePage - FirstWindowsPage];
}

// The bytes of one code page's upper half, sorted by code point, for encoding by binary search.
using ReverseTable = std::vector<std::pair<char16_t, uint8_t>>;

const ReverseTable& Reverse(uint32_t codePage) {
    static const std::array<ReverseTable, 9> tables = [] {
        std::array<ReverseTable, 9> all;
        for (size_t page = 0; page < all.size(); ++page) {
            for (size_t i = 0; i < 128; ++i)
                all[page].emplace_back(WindowsCodePageHighHalves[page][i], uint8_t(0x80 + i));
            std::sort(all[page].begin(), all[page].end());
        }
        return all;
    }();
    return tables[codePage - FirstWindowsPage];
}

// Decodes one UTF-8 sequence at text[at]; advances at past it.
char32_t NextUtf8(std::string_view text, size_t& at) {
    const uint8_t lead = uint8_t(text[at++]);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 1, value = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 2, value = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 3, value = lead & 0x07;
    else
        return Replacement;
    const size_t start = at;
    for (int i = 0; i < length; ++i) {
        if (at >= text.size() || (uint8_t(text[at]) & 0xC0) != 0x80) {
            at = start;
            return Replacement;
        }
        value = value << 6 | (uint8_t(text[at++]) & 0x3F);
    }
    const char32_t smallest = length == 1 ? 0x80 : length == 2 ? 0x800 : 0x10000;
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        at = start;
        return Replacement;
    }
    return value;
}

} // namespace

bool IsKnownCodePage(uint32_t codePage) {
    return IsWindowsPage(codePage) || codePage == CodePageUtf8;
}

std::u32string DecodeText(std::string_view text, uint32_t codePage) {
    std::u32string decoded;
    decoded.reserve(text.size());
    if (codePage == CodePageUtf8) {
        for (size_t at = 0; at < text.size();)
            decoded += NextUtf8(text, at);
        return decoded;
    }
    const auto& high = HighHalf(codePage);
    for (char c : text) {
        const uint8_t b = uint8_t(c);
        decoded += b < 0x80 ? char32_t(b) : char32_t(high[b - 0x80]);
    }
    return decoded;
}

std::optional<std::string> EncodeText(std::u32string_view text, uint32_t codePage) {
    std::string encoded;
    encoded.reserve(text.size());
    if (codePage == CodePageUtf8) {
        for (char32_t c : text) {
            if (c == Replacement) return std::nullopt;
            AppendUtf8(encoded, c);
        }
        return encoded;
    }
    const ReverseTable& reverse = Reverse(codePage);
    for (char32_t c : text) {
        if (c < 0x80) {
            encoded += char(c);
            continue;
        }
        const auto found =
            std::lower_bound(reverse.begin(), reverse.end(), std::pair<char16_t, uint8_t>(char16_t(c), 0));
        if (c > 0xFFFF || found == reverse.end() || found->first != c) return std::nullopt;
        encoded += char(found->second);
    }
    return encoded;
}

std::optional<std::string> ConvertText(std::string_view text, uint32_t fromCodePage, uint32_t toCodePage) {
    if (fromCodePage == toCodePage) return std::string(text);
    if (std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x80; }))
        return std::string(text);
    return EncodeText(DecodeText(text, fromCodePage), toCodePage);
}

} // namespace velmora
