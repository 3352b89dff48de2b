#include "map/img_labels.h"
#include "model/utf8.h"
#include "typbin/code_pages.h"

#include <algorithm>

namespace velmora::img {

namespace {

// Longer labels are taken as damage: no map label comes near it.
constexpr size_t MaxLabelBytes = 1024;

constexpr uint32_t Encoding6Bit = 6;
constexpr uint32_t EncodingUnicode = 10;
// Text of a map that names no code page, or one without a table here, is read as Windows Latin 1.
constexpr uint32_t FallbackCodePage = 1252;

// The 6-bit alphabet: the basic set, and the sets that the shift codes 0x1C (symbols) and 0x1B
// (lower case) switch to for one character. "\0" marks codes without a character.
constexpr char Basic6[] = " ABCDEFGHIJKLMNOPQRSTUVWXYZ\0\0\0\0\0"
                          "0123456789\0\0\0\0\0\0";
constexpr char Symbols6[] = "@!\"#$%&'()*+,-./\0\0\0\0\0\0\0\0\0\0:;<=>?"
                            "\0\0\0\0\0\0\0\0\0\0\0[\\]^_";
constexpr char Lower6[] = "`abcdefghijklmnopqrstuvwxyz\0\0\0\0\0"
                          "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr uint32_t ShiftSymbols6 = 0x1C, ShiftLower6 = 0x1B, End6 = 0x30;

// The text of a label as shown: the codes below 0x20 that mark a road's shield or hide parts of a
// name are dropped, and the separator between a name's parts (0x1D) becomes a space.
void AppendShown(std::string& out, char c) {
    if (uint8_t(c) >= 0x20)
        out += c;
    else if (c == 0x1D)
        out += ' ';
}

} // namespace

LabelTable::LabelTable(const Subfile& lbl, const Subfile& net) {
    if (lbl.Present()) {
        Text = lbl.Section(0x15, 0x19);
        Shift = std::min<uint32_t>(lbl.Field8(0x1D), 8);
        Encoding = lbl.Field8(0x1E);
        CodePage = lbl.Field16(0xAA);
        Poi = lbl.Section(0x57, 0x5B);
        PoiShift = std::min<uint32_t>(lbl.Field8(0x5F), 8);
    }
    if (net.Present()) {
        Roads = net.Section(0x15, 0x19);
        RoadShift = std::min<uint32_t>(net.Field8(0x1D), 8);
    }
}

std::optional<std::string> LabelTable::Label(uint32_t offset) const {
    const uint64_t at = uint64_t(offset) << Shift;
    if (at >= Text.size()) return std::nullopt;
    const Bytes text = Slice(Text, at, MaxLabelBytes);
    bool ended = false;
    std::string label = Encoding == Encoding6Bit ? Decode6Bit(text, ended) : Decode8Bit(text, ended);
    if (!ended) return std::nullopt;
    return label;
}

std::optional<std::string> LabelTable::PoiLabel(uint32_t offset) const {
    const uint64_t at = uint64_t(offset) << PoiShift;
    if (at + 3 > Poi.size()) return std::nullopt;
    return Label(U24(Poi, size_t(at)) & 0x3FFFFF);
}

std::optional<std::string> LabelTable::RoadLabel(uint32_t offset) const {
    const uint64_t at = uint64_t(offset) << RoadShift;
    if (at + 3 > Roads.size()) return std::nullopt;
    return Label(U24(Roads, size_t(at)) & 0x3FFFFF);
}

std::string LabelTable::Decode6Bit(Bytes text, bool& ended) const {
    std::string out;
    const char* set = Basic6;
    for (size_t bit = 0; bit + 6 <= text.size() * 8; bit += 6) {
        const size_t byte = bit / 8, shift = 10 - bit % 8;
        const uint32_t code = (U8(text, byte) << 8 | U8(text, byte + 1)) >> shift & 0x3F;
        if (code >= End6) {
            ended = true;
            return out;
        }
        if (set == Basic6 && code == ShiftSymbols6) {
            set = Symbols6;
            continue;
        }
        if (set == Basic6 && code == ShiftLower6) {
            set = Lower6;
            continue;
        }
        if (set[code] != '\0') out += set[code];
        set = Basic6;
    }
    return out;
}

std::string LabelTable::Decode8Bit(Bytes text, bool& ended) const {
    std::string raw;
    for (uint8_t b : text) {
        if (b == 0) {
            ended = true;
            break;
        }
        AppendShown(raw, char(b));
    }
    if (!ended) return {};
    const uint32_t page = Encoding == EncodingUnicode ? CodePageUtf8 : CodePage;
    const bool plain = std::all_of(raw.begin(), raw.end(), [](char c) { return uint8_t(c) < 0x80; });
    if (plain || (page == CodePageUtf8 && IsUtf8Text(raw))) return raw;
    std::string out;
    for (char32_t c : DecodeText(raw, IsKnownCodePage(page) ? page : FallbackCodePage))
        AppendUtf8(out, c);
    return out;
}

} // namespace velmora::img
