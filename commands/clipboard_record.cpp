#include "commands/clipboard_record.h"
#include "commands/label_style.h"

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
    void UInt16(uint16_t value) {
        Byte(uint8_t(value));
        Byte(uint8_t(value >> 8));
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
    bool UInt16(uint16_t& value) {
        if (Left() < 2) return false;
        value = uint16_t(Block[Position] | Block[Position + 1] << 8);
        Position += 2;
        return true;
    }
    bool Skip(size_t count) {
        if (Left() < count) return false;
        Position += count;
        return true;
    }
    // The next bytes, without reading them.
    bool StartsWith(std::string_view bytes) const {
        return Left() >= bytes.size() &&
               std::memcmp(Block.data() + Position, bytes.data(), bytes.size()) == 0;
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

// ---- the extension after the planes ----

enum ExtensionTag : uint8_t {
    TagEnd = 0,
    TagFontStyle = 1,
    TagDayLabelColour = 2,
    TagNightLabelColour = 3,
    TagDayAlpha = 4,
    TagNightAlpha = 5,
    TagKeptLines = 6,
    TagNightPlane = 7,
};

// Whether a byte names a place of a kept line. Every place is listed, so that a place the model gains
// without this list learning it shows up as a warning of the switch rather than as blocks refused.
bool IsKeptPlace(uint8_t value) {
    switch (KeptPlace(value)) {
    case KeptPlace::SectionStart:
    case KeptPlace::AfterType:
    case KeptPlace::AfterOrientation:
    case KeptPlace::AfterLabels:
    case KeptPlace::AfterFont:
    case KeptPlace::AfterWidths:
    case KeptPlace::XpmHeaderTail:
    case KeptPlace::BeforeColour:
    case KeptPlace::BeforeRow:
    case KeptPlace::AfterBlock:
    case KeptPlace::BeforeSection:
    case KeptPlace::AfterSection:
    case KeptPlace::FontSpelling:
    case KeptPlace::DayLabelColourSpelling:
    case KeptPlace::NightLabelColourSpelling:
    case KeptPlace::ColourTail:
    case KeptPlace::ColourAlphaDigits:
        return true;
    }
    return false;
}

// Collects one record's payload and writes it with its tag and length.
void WriteRecord(std::vector<uint8_t>& out, ExtensionTag tag, const BlockWriter& payload) {
    BlockWriter head;
    head.Byte(tag);
    head.UInt32(uint32_t(payload.Bytes.size()));
    out.insert(out.end(), head.Bytes.begin(), head.Bytes.end());
    out.insert(out.end(), payload.Bytes.begin(), payload.Bytes.end());
}

bool NightPlaneHasOwnSize(const TGarminObject& object) {
    const TXpmHeader& day = object.XpmHeader[Day];
    const TXpmHeader& night = object.XpmHeader[Night];
    return object.Kind == KindPoint && night.Width != 0 &&
           (night.Width != day.Width || night.Height != day.Height);
}

std::vector<uint8_t> ExtensionRecords(const TGarminObject& object) {
    std::vector<uint8_t> records;
    if (object.FontStyle) {
        BlockWriter payload;
        payload.Byte(*object.FontStyle);
        WriteRecord(records, TagFontStyle, payload);
    }
    for (const auto& [colour, tag] : {std::pair{object.DayLabelColour, TagDayLabelColour},
                                      std::pair{object.NightLabelColour, TagNightLabelColour}}) {
        if (!colour) continue;
        BlockWriter payload;
        payload.UInt32(*colour);
        WriteRecord(records, tag, payload);
    }
    for (int variant : {Day, Night}) {
        // The block carries ColourCount entries of each table: their alphas go with them.
        const size_t count = object.XpmHeader[size_t(variant)].ColourCount;
        BlockWriter payload;
        bool anyAlpha = false;
        for (size_t k = 0; k < count; ++k) {
            payload.Byte(object.ColourAlpha(variant, k));
            anyAlpha = anyAlpha || object.ColourAlpha(variant, k) != AlphaOpaque;
        }
        if (anyAlpha) WriteRecord(records, variant == Day ? TagDayAlpha : TagNightAlpha, payload);
    }
    if (!object.KeptLines.empty()) {
        BlockWriter payload;
        payload.UInt32(uint32_t(object.KeptLines.size()));
        for (const TKeptLine& line : object.KeptLines) {
            payload.Byte(uint8_t(line.Place));
            payload.Byte(line.Variant);
            payload.UInt16(line.Index);
            payload.UInt32(uint32_t(line.Text.size()));
            payload.Raw(line.Text);
        }
        WriteRecord(records, TagKeptLines, payload);
    }
    if (NightPlaneHasOwnSize(object)) {
        BlockWriter payload;
        const TXpmHeader& night = object.XpmHeader[Night];
        WritePlane(payload, object.Pixels[Night], night.Width, night.Height);
        WriteRecord(records, TagNightPlane, payload);
    }
    return records;
}

bool ReadFontStyle(BlockReader& in, TGarminObject& object) {
    uint8_t style = 0;
    if (!in.Byte(style) || style > MaxFontStyle) return false;
    object.FontStyle = style;
    return true;
}

bool ReadLabelColour(BlockReader& in, std::optional<uint32_t>& colour) {
    uint32_t value = 0;
    if (!in.UInt32(value) || value > 0xFFFFFF) return false;
    colour = value;
    return true;
}

bool ReadAlpha(BlockReader& in, TGarminObject& object, int variant, size_t length) {
    if (length != object.XpmHeader[size_t(variant)].ColourCount) return false;
    std::vector<uint8_t> alpha(length);
    bool anyAlpha = false;
    for (uint8_t& value : alpha) {
        if (!in.Byte(value) || value > AlphaTransparent) return false;
        anyAlpha = anyAlpha || value != AlphaOpaque;
    }
    // All opaque is what an empty table says.
    if (anyAlpha) object.Alpha[size_t(variant)] = std::move(alpha);
    return true;
}

bool ReadKeptLines(BlockReader& in, TGarminObject& object) {
    constexpr size_t SmallestLine = 1 + 1 + 2 + 4;
    uint32_t count = 0;
    if (!in.UInt32(count) || count > in.Left() / SmallestLine) return false;
    object.KeptLines.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        TKeptLine line;
        uint8_t place = 0;
        uint32_t length = 0;
        if (!(in.Byte(place) && in.Byte(line.Variant) && in.UInt16(line.Index) && in.UInt32(length)) ||
            !IsKeptPlace(place) || line.Variant > Night || !in.Raw(length, line.Text))
            return false;
        line.Place = KeptPlace(place);
        object.KeptLines.push_back(std::move(line));
    }
    return true;
}

// Reads the records up to the end tag; the reader stands after the mark. Each record must use
// exactly the length it announces.
bool ReadExtension(BlockReader& in, TGarminObject& object, bool& nightPlaneRead) {
    for (;;) {
        uint8_t tag = 0;
        if (!in.Byte(tag)) return false;
        if (tag == TagEnd) return true;
        uint32_t length = 0;
        if (!in.UInt32(length) || length > in.Left()) return false;
        const size_t before = in.Left();
        bool read = true;
        switch (tag) {
        case TagFontStyle:
            read = length == 1 && ReadFontStyle(in, object);
            break;
        case TagDayLabelColour:
            read = length == 4 && ReadLabelColour(in, object.DayLabelColour);
            break;
        case TagNightLabelColour:
            read = length == 4 && ReadLabelColour(in, object.NightLabelColour);
            break;
        case TagDayAlpha:
        case TagNightAlpha:
            read = ReadAlpha(in, object, tag == TagDayAlpha ? Day : Night, length);
            break;
        case TagKeptLines:
            read = ReadKeptLines(in, object);
            break;
        case TagNightPlane: {
            const TXpmHeader& night = object.XpmHeader[Night];
            read = NightPlaneHasOwnSize(object) && length == size_t(night.Width) * night.Height &&
                   ReadPlane(in, object.Pixels[Night], night.Width, night.Height);
            nightPlaneRead = read;
            break;
        }
        default: // a record of a later version
            read = in.Skip(length);
            break;
        }
        if (!read || before - in.Left() != length) return false;
    }
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
    const std::vector<uint8_t> records = ExtensionRecords(object);
    if (!records.empty()) {
        out.Raw(ClipboardExtensionMark);
        out.Bytes.insert(out.Bytes.end(), records.begin(), records.end());
        out.Byte(TagEnd);
    }
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
    // The layout carries a night plane for every object; one without a night bitmap holds no night pixels.
    const TXpmHeader& night = object.XpmHeader[Night];
    if (night.Width == 0 || night.Height == 0) object.Pixels[Night].clear();
    bool nightPlaneRead = false;
    if (in.StartsWith(ClipboardExtensionMark) &&
        !(in.Skip(ClipboardExtensionMark.size()) && ReadExtension(in, object, nightPlaneRead)))
        return std::nullopt;
    if (!nightPlaneRead) FitNightPlane(object);
    object.Quadrat = TQuadrat::Create(day.Width, day.Height, day.ColourCount);
    return object;
}

} // namespace velmora
