#include "model/maintyp.h"

#include <cstring>

namespace velmora {

std::vector<std::string> DefaultHeaderLines() {
    return {"[_id]",
            "ProductCode=000",
            "FID=000",
            "CodePage=1252",
            "[End]",
            "",
            "[_drawOrder]",
            "Type=1,1",
            "Type=2,1",
            "Type=3,1",
            "Type=4,2",
            "Type=5,4",
            "Type=6,7",
            "Type=7,7",
            "Type=8,7",
            "Type=9,8",
            "Type=0x0a,3",
            "Type=0x0b,3",
            "Type=0x0c,3",
            "Type=0x0d,3",
            "Type=0x0e,3",
            "Type=0x13,3",
            "Type=0x14,3 ; National park (sparse forest)",
            "Type=0x15,3",
            "Type=0x16,3",
            "Type=0x17,7 ; City park (block)",
            "Type=0x18,7",
            "Type=0x19,7",
            "Type=0x1a,7",
            "Type=0x1e,3",
            "Type=0x1f,3",
            "Type=0x20,3",
            "Type=0x28,8",
            "Type=0x29,8",
            "Type=0x32,8",
            "Type=0x3b,8",
            "Type=0x3c,8",
            "Type=0x3d,8",
            "Type=0x3e,8",
            "Type=0x3f,8",
            "Type=0x40,8",
            "Type=0x41,8 ;Small lake (<0.25 km2)",
            "Type=0x42,8",
            "Type=0x43,8",
            "Type=0x44,8",
            "Type=0x45,8",
            "Type=0x46,8",
            "Type=0x47,8",
            "Type=0x48,8",
            "Type=0x49,8",
            "Type=0x4c,7",
            "Type=0x4d,7",
            "Type=0x4e,7",
            "Type=0x4f,7",
            "Type=0x50,1 ;forest",
            "Type=0x51,7",
            "Type=0x52,3",
            "Type=0x53,7",
            "[end]"};
}

void TypDocument::Clear() {
    CurrentObject = nullptr;
    PointList.clear();
    LineList.clear();
    PolygonList.clear();
    HeaderLines.clear();
    Utf8 = ByteOrderMark = false;
    Source.reset();
}

namespace {

// A 64-bit hash fed sixteen bytes at a time in two lanes; good enough to tell an edited object from
// the one read.
class Fingerprinter {
  public:
    void Number(uint64_t value) { Mix(value, 0); }
    // The length goes into the last block too.
    void Bytes(std::string_view bytes) {
        const char* data = bytes.data();
        const size_t size = bytes.size();
        size_t i = 0;
        for (; i + 16 <= size; i += 16) {
            uint64_t a;
            uint64_t b;
            std::memcpy(&a, data + i, 8);
            std::memcpy(&b, data + i + 8, 8);
            Mix(a, b);
        }
        // At most fifteen bytes are left, so the top byte of the second word is free for the length.
        uint64_t tail[2] = {0, 0};
        if (i < size) std::memcpy(tail, data + i, size - i);
        Mix(tail[0], tail[1] | uint64_t(size & 0xFF) << 56);
    }
    uint64_t Value() const {
        uint64_t h = First ^ (Second * 0x9E3779B97F4A7C15ull);
        h ^= h >> 31;
        h *= 0x94D049BB133111EBull;
        return h ^ (h >> 32);
    }

  private:
    void Mix(uint64_t a, uint64_t b) {
        First = ((First ^ a) * 0xBF58476D1CE4E5B9ull) ^ (First >> 29);
        Second = ((Second ^ b) * 0x94D049BB133111EBull) ^ (Second >> 31);
    }

    uint64_t First = 0x243F6A8885A308D3ull;
    uint64_t Second = 0x13198A2E03707344ull;
};

} // namespace

uint64_t ContentFingerprint(const TGarminObject& object) {
    Fingerprinter f;
    f.Number(uint64_t(object.Kind) | uint64_t(object.LineWidth) << 8 | uint64_t(object.BorderWidth) << 16 |
             uint64_t(uint32_t(object.UseOrientation)) << 32);
    f.Number(uint64_t(object.TypeCode) << 32 | object.SubTypeCode);
    f.Number(object.Labels.size());
    for (const std::string& label : object.Labels)
        f.Bytes(label);
    f.Number((object.FontStyle ? 0x100u | *object.FontStyle : 0u));
    f.Number(object.DayLabelColour ? 1ull << 32 | *object.DayLabelColour : 0u);
    f.Number(object.NightLabelColour ? 1ull << 32 | *object.NightLabelColour : 0u);
    for (int variant : {Day, Night}) {
        const TXpmHeader& header = object.XpmHeader[size_t(variant)];
        f.Number(uint64_t(header.Width) | uint64_t(header.Height) << 8 | uint64_t(header.ColourCount) << 16 |
                 uint64_t(header.CharsPerPixel) << 24);
        const auto& colours = object.Colours[size_t(variant)];
        f.Bytes(std::string_view(reinterpret_cast<const char*>(colours.data()),
                                 colours.size() * sizeof(TColourEntry)));
        const auto& alpha = object.Alpha[size_t(variant)];
        f.Bytes(std::string_view(reinterpret_cast<const char*>(alpha.data()), alpha.size()));
        f.Number(object.Pixels[size_t(variant)].size());
        for (const std::string& row : object.Pixels[size_t(variant)])
            f.Bytes(row);
    }
    f.Number(object.KeptLines.size());
    for (const TKeptLine& line : object.KeptLines) {
        f.Number(uint64_t(line.Place) | uint64_t(line.Variant) << 8 | uint64_t(line.Index) << 16);
        f.Bytes(line.Text);
    }
    return f.Value();
}

bool SameContent(const TGarminObject& a, const TGarminObject& b) {
    return a.Kind == b.Kind && a.TypeCode == b.TypeCode && a.SubTypeCode == b.SubTypeCode &&
           a.UseOrientation == b.UseOrientation && a.Labels == b.Labels && a.LineWidth == b.LineWidth &&
           a.BorderWidth == b.BorderWidth && a.XpmHeader == b.XpmHeader && a.Colours == b.Colours &&
           a.Pixels == b.Pixels && a.FontStyle == b.FontStyle && a.DayLabelColour == b.DayLabelColour &&
           a.NightLabelColour == b.NightLabelColour && a.Alpha == b.Alpha && a.KeptLines == b.KeptLines;
}

} // namespace velmora
