#include "commands/clipboard_record.h"

#include <cstring>

namespace velmora {
namespace {

class BlockWriter {
  public:
    void Byte(uint8_t value) { Bytes.push_back(value); }
    void UInt32(uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            Byte(uint8_t(value >> shift));
    }
    void Raw(std::string_view text) { Bytes.insert(Bytes.end(), text.begin(), text.end()); }
    void Header(const TXpmHeader& header) {
        Byte(header.Width);
        Byte(header.Height);
        Byte(header.ColourCount);
        Byte(header.CharsPerPixel);
    }
    void Entry(const TColourEntry& entry) {
        Byte(uint8_t(entry.Code));
        Byte(uint8_t(entry.TransparentMark));
        UInt32(uint32_t(entry.Red));
        UInt32(uint32_t(entry.Green));
        UInt32(uint32_t(entry.Blue));
    }
    std::vector<uint8_t> Bytes;
};

// Every read checks the bytes left first, so no count in a damaged block can lead it astray.
class BlockReader {
  public:
    explicit BlockReader(std::span<const uint8_t> block) : Block(block) {}
    size_t Left() const { return Block.size() - Position; }
    bool Byte(uint8_t& value) {
        if (Left() < 1) return false;
        value = Block[Position++];
        return true;
    }
    bool UInt32(uint32_t& value) {
        if (Left() < 4) return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= uint32_t(Block[Position + size_t(i)]) << (8 * i);
        Position += 4;
        return true;
    }
    bool Raw(size_t count, std::string& text) {
        if (Left() < count) return false;
        text.assign(reinterpret_cast<const char*>(Block.data() + Position), count);
        Position += count;
        return true;
    }
    bool Header(TXpmHeader& header) {
        return Byte(header.Width) && Byte(header.Height) && Byte(header.ColourCount) &&
               Byte(header.CharsPerPixel);
    }
    bool Entry(TColourEntry& entry) {
        uint8_t code = 0, mark = 0;
        uint32_t red = 0, green = 0, blue = 0;
        if (!(Byte(code) && Byte(mark) && UInt32(red) && UInt32(green) && UInt32(blue))) return false;
        entry.Code = char(code);
        entry.TransparentMark = char(mark);
        entry.Red = int32_t(red);
        entry.Green = int32_t(green);
        entry.Blue = int32_t(blue);
        return true;
    }

  private:
    std::span<const uint8_t> Block;
    size_t Position = 0;
};

constexpr size_t EntrySize = sizeof(TColourEntry);
constexpr size_t LineLengthSize = 4;

void WriteEntries(BlockWriter& out, const std::vector<TColourEntry>& table, size_t count) {
    for (size_t k = 0; k < count; ++k)
        out.Entry(k < table.size() ? table[k] : TColourEntry{});
}

void WritePlane(BlockWriter& out, const std::vector<std::string>& plane, size_t width, size_t height) {
    for (size_t r = 0; r < height; ++r)
        for (size_t c = 0; c < width; ++c)
            out.Byte(r < plane.size() && c < plane[r].size() ? uint8_t(plane[r][c]) : 0);
}

bool ReadLabels(BlockReader& in, std::vector<std::string>& labels) {
    uint32_t count = 0;
    if (!in.UInt32(count) || count > in.Left() / LineLengthSize) return false;
    labels.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t length = 0;
        std::string line;
        if (!in.UInt32(length) || !in.Raw(length, line)) return false;
        labels.push_back(std::move(line));
    }
    return true;
}

bool ReadEntries(BlockReader& in, std::vector<TColourEntry>& table, size_t count) {
    if (count > in.Left() / EntrySize) return false;
    table.resize(count);
    for (TColourEntry& entry : table)
        if (!in.Entry(entry)) return false;
    return true;
}

bool ReadPlane(BlockReader& in, std::vector<std::string>& plane, size_t width, size_t height) {
    if (width * height > in.Left()) return false;
    plane.resize(height);
    for (std::string& row : plane)
        if (!in.Raw(width, row)) return false;
    return true;
}

// The night plane travels in the day dimensions; a night bitmap of its own size gets that size back.
void FitNightPlane(TGarminObject& object) {
    const TXpmHeader& night = object.XpmHeader[Night];
    if (object.Kind != KindPoint || night.Width == 0) return;
    const TXpmHeader& day = object.XpmHeader[Day];
    if (night.Width == day.Width && night.Height == day.Height) return;
    const char fill = object.Colours[Night].empty() ? ' ' : object.Colours[Night][0].Code;
    auto& plane = object.Pixels[Night];
    plane.resize(night.Height, std::string(night.Width, fill));
    for (std::string& row : plane)
        row.resize(night.Width, fill);
}

} // namespace

std::vector<uint8_t> EncodeClipboardRecord(const TGarminObject& object) {
    BlockWriter out;
    out.Byte(object.Kind);
    out.UInt32(object.TypeCode);
    out.UInt32(object.SubTypeCode);
    out.Byte(uint8_t(object.UseOrientation));
    out.Byte(object.LineWidth);
    out.Byte(object.BorderWidth);
    out.Header(object.XpmHeader[Day]);
    out.Header(object.XpmHeader[Night]);
    out.UInt32(uint32_t(object.Labels.size()));
    for (const std::string& label : object.Labels) {
        out.UInt32(uint32_t(label.size()));
        out.Raw(label);
    }
    const TXpmHeader& day = object.XpmHeader[Day];
    WriteEntries(out, object.Colours[Day], day.ColourCount);
    WriteEntries(out, object.Colours[Night], object.XpmHeader[Night].ColourCount);
    WritePlane(out, object.Pixels[Day], day.Width, day.Height);
    WritePlane(out, object.Pixels[Night], day.Width, day.Height);
    return std::move(out.Bytes);
}

std::optional<TGarminObject> DecodeClipboardRecord(std::span<const uint8_t> block) {
    if (block.size() < ClipboardHeadSize) return std::nullopt;
    BlockReader in(block);
    TGarminObject object;
    uint8_t orientation = 0;
    if (!(in.Byte(object.Kind) && in.UInt32(object.TypeCode) && in.UInt32(object.SubTypeCode) &&
          in.Byte(orientation) && in.Byte(object.LineWidth) && in.Byte(object.BorderWidth) &&
          in.Header(object.XpmHeader[Day]) && in.Header(object.XpmHeader[Night])))
        return std::nullopt;
    if (object.Kind > KindPolygon) return std::nullopt;
    object.UseOrientation = orientation;
    const TXpmHeader& day = object.XpmHeader[Day];
    if (!ReadLabels(in, object.Labels) || !ReadEntries(in, object.Colours[Day], day.ColourCount) ||
        !ReadEntries(in, object.Colours[Night], object.XpmHeader[Night].ColourCount) ||
        !ReadPlane(in, object.Pixels[Day], day.Width, day.Height) ||
        !ReadPlane(in, object.Pixels[Night], day.Width, day.Height))
        return std::nullopt;
    FitNightPlane(object);
    object.Quadrat = TQuadrat::Create(day.Width, day.Height, day.ColourCount);
    return object;
}

} // namespace velmora
