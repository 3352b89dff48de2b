#include "typbin/binary_import.h"

#include "model/ascii.h"
#include "model/texts1251.h"
#include "typbin/binary_records.h"
#include "typbin/byte_reader.h"
#include "typbin/exchange_sort.h"
#include "typbin/typbin_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velmora {

namespace {

constexpr std::string_view Signature = "GARMIN TYP";
constexpr uint32_t SignatureOffset = 2;

// A draw-order entry is read as 5 bytes whatever its entry size field says.
constexpr uint32_t DrawOrderStride = 5;
constexpr uint32_t ExtendedPolygonBase = 0x10000;

// A document stays within this many pixels and label characters per byte of its file (plus a small
// floor). A stored bitmap takes at least one bit a pixel, and a label one byte a character, so a
// file holds at most eight pixels a byte: only a damaged file announcing bitmaps it does not hold
// reaches the limit, and decoding the zeros it lacks is then cut short.
constexpr uint64_t DecodedCellsPerFileByte = 64;
constexpr uint64_t DecodedCellsFloor = 1 << 14;

struct Section {
    uint32_t Offset = 0;
    uint32_t Length = 0;
};

struct Table {
    uint32_t Offset = 0;
    uint32_t EntrySize = 0;
    uint32_t Length = 0;
};

struct TypHeader {
    uint32_t CodePage = 0;
    std::array<Section, 3> Data;
    uint32_t FamilyId = 0;
    uint32_t ProductCode = 0;
    std::array<Table, 3> Index;
    Table DrawOrder;
};

struct DrawOrderEntry {
    uint32_t Code = 0;
    uint8_t Level = 0;
};

struct IndexEntry {
    uint32_t Type = 0;
    uint32_t SubType = 0;
    uint32_t RecordOffset = 0;
};

bool HasSignature(std::string_view bytes) {
    return bytes.size() >= SignatureOffset + Signature.size() &&
           EqualIgnoringAsciiCase(bytes.substr(SignatureOffset, Signature.size()), Signature);
}

Table ReadTable(ByteReader& reader) {
    Table table;
    table.Offset = reader.U32();
    table.EntrySize = reader.U16();
    table.Length = reader.U32();
    return table;
}

TypHeader ReadHeader(ByteReader& reader) {
    constexpr uint32_t CodePageOffset = 21;
    TypHeader header;
    reader.Seek(CodePageOffset);
    header.CodePage = reader.U16();
    for (Section& section : header.Data) {
        section.Offset = reader.U32();
        section.Length = reader.U32();
    }
    header.FamilyId = reader.U16();
    header.ProductCode = reader.U16();
    for (Table& index : header.Index)
        index = ReadTable(reader);
    header.DrawOrder = ReadTable(reader);
    return header;
}

// Count = length / entry size, but never more entries than lie wholly inside the file.
uint32_t EntryCount(const Table& table, uint32_t stride, uint32_t fileSize) {
    if (table.EntrySize == 0 || stride == 0) return 0;
    const uint32_t announced = table.Length / table.EntrySize;
    const uint32_t inside = table.Offset < fileSize ? (fileSize - table.Offset) / stride : 0;
    return std::min(announced, inside);
}

std::string Hex(uint32_t value, int minDigits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", minDigits, value);
    return text;
}

// An extended polygon type 0x1TT with subtype n is coded 0x10000 + TT * 256 + n. An entry names its
// subtypes by the bits set in its mask (the map compiler gathers the subtypes of one type and level
// into one entry): each of them is a draw-order line of its own. A code repeated within its level is
// read once, so a table gives at most one line for each of its 256 levels and 8448 codes, whatever it
// repeats.
class DrawOrderCodes {
  public:
    void Append(uint8_t type, uint32_t mask, uint8_t level) {
        if (mask == 0) {
            Add(type, type, level);
            return;
        }
        for (uint32_t subtype = 0; subtype < 32; ++subtype)
            if (mask >> subtype & 1)
                Add(ExtendedPolygonBase + uint32_t(type) * 256 + subtype, 256 + type * 32 + subtype, level);
    }
    std::vector<DrawOrderEntry> Entries;

  private:
    static constexpr size_t CodesPerLevel = 256 + 256 * 32;
    void Add(uint32_t code, size_t slot, uint8_t level) {
        const size_t seen = size_t(level) * CodesPerLevel + slot;
        if (Seen[seen]) return;
        Seen[seen] = true;
        Entries.push_back({code, level});
    }
    std::vector<bool> Seen = std::vector<bool>(256 * CodesPerLevel);
};

void AppendDrawOrder(ByteReader& reader, const Table& table, std::vector<std::string>& lines) {
    const uint32_t count = EntryCount(table, DrawOrderStride, reader.Size());
    DrawOrderCodes codes;
    reader.Seek(table.Offset);
    uint8_t level = 1;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t type = reader.U8();
        const uint32_t mask = reader.U32();
        if (type == 0 && mask == 0)
            ++level; // a separator between two draw levels
        else
            codes.Append(type, mask, level);
    }
    std::vector<DrawOrderEntry>& entries = codes.Entries;
    ExchangeSort(entries, [](const DrawOrderEntry& e) { return e.Code; });
    for (const DrawOrderEntry& entry : entries)
        lines.push_back("Type=0x" + Hex(entry.Code, 2) + "," + std::to_string(entry.Level));
}

std::vector<std::string> IdLines(const TypHeader& header, int32_t typFormatMark) {
    std::vector<std::string> lines;
    if (typFormatMark == TypFormatNT) lines.emplace_back(cp1251::NtMark);
    if (typFormatMark == TypFormatOld) lines.emplace_back(cp1251::OldMark);
    lines.insert(lines.end(), {"", "[_id]", "ProductCode=" + std::to_string(header.ProductCode),
                               "FID=" + std::to_string(header.FamilyId),
                               "CodePage=" + std::to_string(header.CodePage), "[end]", "", "[_drawOrder]"});
    return lines;
}

// Entries of 3, 4 or 5 bytes: the packed type (11 bits type, 5 bits subtype), then the record offset
// in the remaining 1, 2 or 3 bytes.
bool IndexEntrySizeIsRead(uint32_t entrySize) {
    return entrySize >= 3 && entrySize <= 5;
}

std::vector<IndexEntry> ReadIndex(ByteReader& reader, const Table& table) {
    const uint32_t count = EntryCount(table, table.EntrySize, reader.Size());
    std::vector<IndexEntry> entries(count);
    reader.Seek(table.Offset);
    for (IndexEntry& entry : entries) {
        const uint32_t packed = reader.U16();
        entry.Type = packed >> 5;
        entry.SubType = packed & 0x1F;
        entry.RecordOffset = table.EntrySize == 3   ? reader.U8()
                             : table.EntrySize == 4 ? reader.U16()
                                                    : reader.U24();
    }
    ExchangeSort(entries, [](const IndexEntry& e) { return e.RecordOffset; });
    return entries;
}

// Points hold their type and subtype apart; lines and polygons fold a subtype into TypeCode.
void SetTypeCodes(TGarminObject& object, const IndexEntry& entry) {
    object.TypeCode = entry.Type;
    object.SubTypeCode = entry.SubType;
    // Lines and polygons hold type * 256 + subtype, as the text form writes them: always for an
    // extended type, so that one of subtype 0 (0x120 00) does not read as type 0x01 subtype 0x20.
    if (object.Kind != KindPoint && (entry.SubType != 0 || entry.Type > 0xFF))
        object.TypeCode = entry.Type * 256 + entry.SubType;
}

// The length of each record of a kind, entries sorted by record offset: a record ends where the
// record with the next higher offset begins, and none reaches past the end of the kind's data.
std::vector<uint32_t> RecordLengths(const std::vector<IndexEntry>& entries, uint32_t dataLength) {
    std::vector<uint32_t> lengths(entries.size());
    uint32_t end = dataLength;
    for (size_t i = entries.size(); i-- > 0;) {
        const uint32_t offset = entries[i].RecordOffset;
        if (i + 1 < entries.size() && entries[i + 1].RecordOffset > offset)
            end = std::min(end, entries[i + 1].RecordOffset);
        lengths[i] = end > offset ? end - offset : 0;
    }
    return lengths;
}

void ImportKind(ByteReader& reader, const TypHeader& header, int kind, BinaryImportResult& result,
                DecodeBudget& budget) {
    const Table& index = header.Index[size_t(kind)];
    if (index.EntrySize != 0 && !IndexEntrySizeIsRead(index.EntrySize)) {
        result.Warnings.push_back(
            FillIn(*ImportText::IndexNotRead[size_t(kind)], {std::to_string(index.EntrySize)}));
        return;
    }
    TypDocument& doc = result.Document;
    const Section& data = header.Data[size_t(kind)];
    RecordDecoder decoder{reader, budget, {}};
    const std::vector<IndexEntry> entries = ReadIndex(reader, index);
    const std::vector<uint32_t> lengths = RecordLengths(entries, data.Length);
    doc.List(kind).reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const IndexEntry& entry = entries[i];
        auto object = std::make_unique<TGarminObject>();
        object->Kind = uint8_t(kind);
        SetTypeCodes(*object, entry);
        decoder.RecordStart = data.Offset + entry.RecordOffset;
        decoder.RecordLength = lengths[i];
        reader.Seek(decoder.RecordStart);
        if (kind == KindPoint)
            decoder.DecodePointRecord(*object);
        else if (kind == KindLine)
            decoder.DecodeLineRecord(*object);
        else
            decoder.DecodePolygonRecord(*object);
        doc.List(kind).push_back(std::move(object));
    }
}

// A file that ends before the tables and records its header announces: the objects that were read
// are kept, and the warning says how far the file went.
void CheckFileLength(const TypHeader& header, uint32_t fileSize, BinaryImportResult& result) {
    uint64_t announcedEnd = uint64_t(header.DrawOrder.Offset) + header.DrawOrder.Length;
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        const Table& index = header.Index[size_t(kind)];
        const Section& data = header.Data[size_t(kind)];
        if (index.Length != 0) announcedEnd = std::max(announcedEnd, uint64_t(index.Offset) + index.Length);
        if (data.Length != 0) announcedEnd = std::max(announcedEnd, uint64_t(data.Offset) + data.Length);
    }
    if (announcedEnd <= fileSize) return;
    const TypDocument& doc = result.Document;
    result.Warnings.push_back(
        FillIn(ImportText::FileEndsEarly,
               {std::to_string(fileSize), std::to_string(announcedEnd), std::to_string(doc.PointList.size()),
                std::to_string(doc.LineList.size()), std::to_string(doc.PolygonList.size())}));
}

} // namespace

BinaryImportResult ImportBinaryTyp(std::span<const uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!HasSignature(text)) throw TypError(std::string(NotGarminTypMessage));
    ByteReader reader(bytes);
    const TypHeader header = ReadHeader(reader);
    BinaryImportResult result;
    TypDocument& doc = result.Document;
    doc.TypFormatMark = int32_t(header.Data[KindPolygon].Offset);
    doc.HeaderLines = IdLines(header, doc.TypFormatMark);
    AppendDrawOrder(reader, header.DrawOrder, doc.HeaderLines);
    doc.HeaderLines.push_back("[end]");
    DecodeBudget budget{DecodedCellsPerFileByte * bytes.size() + DecodedCellsFloor};
    for (int kind : {KindPolygon, KindLine, KindPoint})
        ImportKind(reader, header, kind, result, budget);
    CheckFileLength(header, reader.Size(), result);
    if (budget.Exceeded) result.Warnings.push_back(ImportText::BudgetExceeded.Text);
    return result;
}

bool IsCompiledTypFile(std::string_view fileName, std::string_view bytes) {
    constexpr std::string_view Extension = ".typ";
    const bool typName =
        fileName.size() >= Extension.size() &&
        EqualIgnoringAsciiCase(fileName.substr(fileName.size() - Extension.size()), Extension);
    return typName || HasSignature(bytes);
}

} // namespace velmora
