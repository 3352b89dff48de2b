#include "model/utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace velmora {

namespace {

// The length of the well-formed UTF-8 sequence at bytes[i], or 0 when there is none.
size_t Utf8SequenceLength(std::string_view bytes, size_t i) {
    auto at = [&](size_t k) { return uint8_t(bytes[k]); };
    const uint8_t lead = at(i);
    const size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                          : lead >= 0xE0                 ? 3
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                                                         : 0;
    if (length == 0 || i + length > bytes.size()) return 0;
    for (size_t k = 1; k < length; ++k)
        if ((at(i + k) & 0xC0) != 0x80) return 0;
    const uint8_t second = at(i + 1);
    if (lead == 0xE0 && second < 0xA0) return 0; // overlong
    if (lead == 0xED && second > 0x9F) return 0; // surrogate
    if (lead == 0xF0 && second < 0x90) return 0; // overlong
    if (lead == 0xF4 && second > 0x8F) return 0; // above U+10FFFF
    return length;
}

// The characters of the bytes 0x80 to 0xFF of code page 1251; 0 where there is none.
constexpr std::array<uint16_t, 128> Cp1251Upper{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

} // namespace

bool StartsWithUtf8Bom(std::string_view bytes) {
    return bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark;
}

bool IsUtf8Text(std::string_view bytes) {
    bool anyHighByte = false;
    for (size_t i = 0; i < bytes.size();) {
        // Plain ASCII eight bytes at a time.
        if (i + 8 <= bytes.size()) {
            uint64_t word;
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (uint8_t(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        anyHighByte = true;
        i += length;
    }
    return anyHighByte;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | (code >> 12 & 0x3F));
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const uint8_t byte = uint8_t(c);
        if (byte < 0x80) {
            text.push_back(c);
            continue;
        }
        const uint16_t code = Cp1251Upper[byte - 0x80];
        if (code == 0)
            text.push_back('?');
        else
            AppendUtf8(text, code);
    }
    return text;
}

} // namespace velmora
