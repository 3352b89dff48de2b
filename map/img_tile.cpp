#include "map/img_tile.h"
#include "map/img_labels.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace velmora::img {

namespace {

constexpr uint32_t MaxLevels = 16;
// Coordinates further out than this lie far outside the world: the record that gives them is damaged.
constexpr int64_t CoordLimit = int64_t(1) << 25;

enum KindFlag : uint32_t { HasPoints = 0x10, HasIndexedPoints = 0x20, HasLines = 0x40, HasPolygons = 0x80 };

struct TreLevel {
    int Number = 0;
    int Bits = 24;
    uint32_t Subdivisions = 0;
};

struct Subdivision {
    uint32_t RgnOffset = 0;
    uint32_t Kinds = 0;
    int32_t X = 0, Y = 0;
    size_t Level = 0; // index into the levels in TRE's order
};

// Reads a bitstream least significant bit first, as the line records store it.
class BitReader {
  public:
    explicit BitReader(Bytes bytes) : Data(bytes) {}
    uint64_t Left() const {
        return uint64_t(Data.size()) * 8 - std::min<uint64_t>(Pos, uint64_t(Data.size()) * 8);
    }
    // count bits, zeros for any past the end.
    uint32_t Get(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count && Pos < uint64_t(Data.size()) * 8; ++i, ++Pos)
            value |= uint32_t(Data[Pos / 8] >> (Pos % 8) & 1) << i;
        return value;
    }

  private:
    Bytes Data;
    uint64_t Pos = 0;
};

// Bits of a coordinate delta from the 4-bit base of a line record.
int BaseBits(uint32_t base) {
    return base < 10 ? int(2 + base) : int(2 + 2 * base - 9);
}

// The damage of one subdivision: its objects are dropped and it is counted.
struct Damaged {};

class TileReader {
  public:
    TileReader(const TileFiles& files, MapFile& file, DecodeBudget& budget)
        : Files(files), File(file), Budget(budget), Labels(files.Lbl, files.Net) {}

    MapTile Read();

  private:
    void ReadLevels();
    void ReadSubdivisions();
    void ReadSubdivision(size_t index, MapLevel& level);
    void ReadClassic(const Subdivision& sub, Bytes data, int shift, MapLevel& level);
    void ReadExtended(size_t index, const Subdivision& sub, int shift, MapLevel& level);
    void ReadPoints(Bytes section, const Subdivision& sub, int shift, MapLevel& level);
    void ReadPolys(Bytes section, MapKind kind, const Subdivision& sub, int shift, MapLevel& level);
    void ReadExtPoints(Bytes section, const Subdivision& sub, int shift, MapLevel& level);
    void ReadExtPolys(Bytes section, MapKind kind, const Subdivision& sub, int shift, MapLevel& level);
    void DecodeLine(MapObject& object, Bytes stream, bool extraBit, bool leadingBit, int shift);
    void SetLabel(MapObject& object, std::optional<std::string> label);
    static MapCoord Coord(int64_t x, int64_t y);

    const TileFiles& Files;
    MapFile& File;
    DecodeBudget& Budget;
    LabelTable Labels;
    std::vector<TreLevel> Levels;
    std::vector<Subdivision> Subdivisions;
    uint32_t RgnEnd = 0; // the end of the last subdivision's data, as TRE gives it
    Bytes RgnData;
};

MapCoord TileReader::Coord(int64_t x, int64_t y) {
    if (std::llabs(x) > CoordLimit || std::llabs(y) > CoordLimit) throw Damaged{};
    return {int32_t(x), int32_t(y)};
}

void TileReader::SetLabel(MapObject& object, std::optional<std::string> label) {
    if (!label) {
        ++File.SkippedLabels;
        return;
    }
    if (label->size() > Budget.LabelBytes) {
        ++File.SkippedLabels;
        return;
    }
    Budget.LabelBytes -= label->size();
    object.Label = std::move(*label);
}

void TileReader::ReadLevels() {
    const Bytes section = Files.Tre.Section(0x21, 0x25);
    const size_t count = std::min<size_t>(section.size() / 4, MaxLevels);
    for (size_t i = 0; i < count; ++i) {
        TreLevel level{int(U8(section, 4 * i) & 0x0F), int(U8(section, 4 * i + 1)), U16(section, 4 * i + 2)};
        Levels.push_back(level);
    }
}

void TileReader::ReadSubdivisions() {
    const Bytes section = Files.Tre.Section(0x29, 0x2D);
    size_t at = 0;
    for (size_t li = 0; li < Levels.size(); ++li) {
        // Every level but the most detailed one gives each subdivision the number of its first child.
        const size_t recordSize = li + 1 < Levels.size() ? 16 : 14;
        for (uint32_t i = 0; i < Levels[li].Subdivisions; ++i, at += recordSize) {
            if (at + recordSize > section.size()) {
                File.SkippedSubdivisions += Levels[li].Subdivisions - i;
                Levels.resize(li + 1);
                Levels[li].Subdivisions = i;
                return;
            }
            Subdivisions.push_back(
                {U24(section, at), U8(section, at + 3), S24(section, at + 4), S24(section, at + 7), li});
        }
    }
    // The data of the last subdivision ends where TRE says RGN's data ends.
    RgnEnd = at + 4 <= section.size() ? U32(section, at) : uint32_t(RgnData.size());
}

MapTile TileReader::Read() {
    MapTile tile;
    tile.Name = Files.Name;
    tile.Bounds = {S24(Files.Tre.Data, Files.Tre.Header + 0x1E), S24(Files.Tre.Data, Files.Tre.Header + 0x1B),
                   S24(Files.Tre.Data, Files.Tre.Header + 0x18),
                   S24(Files.Tre.Data, Files.Tre.Header + 0x15)};
    RgnData = Files.Rgn.Section(0x15, 0x19);
    ReadLevels();
    ReadSubdivisions();

    // TRE lists the levels from the least detailed; the tile gives them most detailed first.
    std::vector<size_t> order(Levels.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return Levels[a].Number < Levels[b].Number; });
    // A level of more bits than a coordinate has is damaged, and so are its subdivisions.
    constexpr size_t NoSlot = size_t(-1);
    std::vector<size_t> slot(Levels.size(), NoSlot);
    for (size_t i : order) {
        if (Levels[i].Bits < 1 || Levels[i].Bits > 24) continue;
        slot[i] = tile.Levels.size();
        tile.Levels.push_back({Levels[i].Number, Levels[i].Bits, {}, {}});
    }
    for (size_t i = 0; i < Subdivisions.size(); ++i) {
        if (slot[Subdivisions[i].Level] == NoSlot)
            ++File.SkippedSubdivisions;
        else
            ReadSubdivision(i, tile.Levels[slot[Subdivisions[i].Level]]);
    }
    return tile;
}

void TileReader::ReadSubdivision(size_t index, MapLevel& level) {
    const Subdivision& sub = Subdivisions[index];
    const size_t mark = level.Objects.size();
    try {
        const int shift = 24 - Levels[sub.Level].Bits;
        if (sub.Kinds & 0xF0) {
            const uint32_t end = index + 1 < Subdivisions.size() ? Subdivisions[index + 1].RgnOffset : RgnEnd;
            if (end < sub.RgnOffset || end > RgnData.size()) throw Damaged{};
            ReadClassic(sub, RgnData.subspan(sub.RgnOffset, end - sub.RgnOffset), shift, level);
        }
        ReadExtended(index, sub, shift, level);
    } catch (const Damaged&) {
        level.Objects.resize(mark);
        ++File.SkippedSubdivisions;
        return;
    }
    if (level.Objects.size() == mark) return;
    MapCell cell{level.Objects[mark].Box, uint32_t(mark), uint32_t(level.Objects.size() - mark)};
    for (size_t i = mark + 1; i < level.Objects.size(); ++i) {
        const MapBox& b = level.Objects[i].Box;
        cell.Box = {std::min(cell.Box.West, b.West), std::min(cell.Box.South, b.South),
                    std::max(cell.Box.East, b.East), std::max(cell.Box.North, b.North)};
    }
    level.Cells.push_back(cell);
}

void TileReader::ReadClassic(const Subdivision& sub, Bytes data, int shift, MapLevel& level) {
    // The kinds present, each after a 16-bit pointer to its start but the first.
    constexpr KindFlag kinds[] = {HasPoints, HasIndexedPoints, HasLines, HasPolygons};
    std::vector<KindFlag> present;
    for (KindFlag kind : kinds)
        if (sub.Kinds & kind) present.push_back(kind);
    std::vector<size_t> starts{2 * (present.size() - 1)};
    for (size_t i = 1; i < present.size(); ++i)
        starts.push_back(U16(data, 2 * (i - 1)));
    starts.push_back(data.size());
    for (size_t i = 0; i < present.size(); ++i) {
        if (starts[i] > starts[i + 1] || starts[i + 1] > data.size()) throw Damaged{};
        const Bytes section = data.subspan(starts[i], starts[i + 1] - starts[i]);
        switch (present[i]) {
        case HasPoints:
        case HasIndexedPoints:
            ReadPoints(section, sub, shift, level);
            break;
        case HasLines:
            ReadPolys(section, MapKind::Line, sub, shift, level);
            break;
        case HasPolygons:
            ReadPolys(section, MapKind::Polygon, sub, shift, level);
            break;
        }
    }
}

void TileReader::ReadPoints(Bytes section, const Subdivision& sub, int shift, MapLevel& level) {
    for (size_t at = 0; at < section.size();) {
        // The label field: 0x800000 a subtype byte follows, 0x400000 it names the point's POI
        // properties, which hold its label.
        const uint32_t label = U24(section, at + 1);
        const bool hasSubType = label & 0x800000;
        const size_t size = hasSubType ? 9 : 8;
        if (at + size > section.size()) throw Damaged{};
        MapObject object;
        object.Kind = MapKind::Point;
        object.Type = U8(section, at);
        object.SubType = hasSubType ? U8(section, at + 8) : 0;
        const MapCoord c = Coord(sub.X + (int64_t(S16(section, at + 4)) << shift),
                                 sub.Y + (int64_t(S16(section, at + 6)) << shift));
        object.Coords.push_back(c);
        object.Box = {c.X, c.Y, c.X, c.Y};
        if (label & 0x400000)
            SetLabel(object, Labels.PoiLabel(label & 0x3FFFFF));
        else if (label & 0x3FFFFF)
            SetLabel(object, Labels.Label(label & 0x3FFFFF));
        level.Objects.push_back(std::move(object));
        at += size;
    }
}

void TileReader::ReadPolys(Bytes section, MapKind kind, const Subdivision& sub, int shift, MapLevel& level) {
    for (size_t at = 0; at < section.size();) {
        const uint32_t first = U8(section, at);
        const bool longLength = first & 0x80;
        const size_t header = longLength ? 10 : 9;
        const size_t length = longLength ? U16(section, at + 8) : U8(section, at + 8);
        if (at + header + 1 + length > section.size()) throw Damaged{};
        const uint32_t label = U24(section, at + 1);
        MapObject object;
        object.Kind = kind;
        object.Type = kind == MapKind::Line ? first & 0x3F : first & 0x7F;
        object.Direction = kind == MapKind::Line && (first & 0x40);
        object.Coords.push_back(Coord(sub.X + (int64_t(S16(section, at + 4)) << shift),
                                      sub.Y + (int64_t(S16(section, at + 6)) << shift)));
        DecodeLine(object, section.subspan(at + header, length + 1), label & 0x400000, false, shift);
        if (label & 0x3FFFFF || (kind == MapKind::Line && (label & 0x800000)))
            SetLabel(object, kind == MapKind::Line && (label & 0x800000) ? Labels.RoadLabel(label & 0x3FFFFF)
                                                                         : Labels.Label(label & 0x3FFFFF));
        level.Objects.push_back(std::move(object));
        at += header + 1 + length;
    }
}

// stream: the byte of the two bases, then the bits. The first point is in object already. extraBit:
// every point carries one more bit (a routing node flag); leadingBit: one bit follows the signs, as
// in the records of extended types.
void TileReader::DecodeLine(MapObject& object, Bytes stream, bool extraBit, bool leadingBit, int shift) {
    const uint32_t bases = U8(stream, 0);
    BitReader bits(stream.subspan(std::min<size_t>(1, stream.size())));
    int xBits = BaseBits(bases & 0x0F), yBits = BaseBits(bases >> 4);
    if (bits.Left() < 2) throw Damaged{};
    const bool xSame = bits.Get(1);
    const bool xNegative = xSame && bits.Get(1);
    if (!xSame) ++xBits;
    if (bits.Left() < 2) throw Damaged{};
    const bool ySame = bits.Get(1);
    const bool yNegative = ySame && bits.Get(1);
    if (!ySame) ++yBits;
    if ((extraBit || leadingBit) && bits.Left() > 0) bits.Get(1); // e.g. the node flag of the first point
    // A delta of its own sign: two's complement, except that the sign bit alone says the delta is
    // larger than the field holds: each such field adds the largest magnitude the field holds, in
    // the direction of the value that finally ends the delta.
    const auto delta = [&](int count, bool same, bool negative) -> int64_t {
        if (same) {
            const uint32_t raw = bits.Get(count);
            return negative ? -int64_t(raw) : int64_t(raw);
        }
        const uint32_t signBit = uint32_t(1) << (count - 1);
        int64_t escaped = 0;
        uint32_t raw = bits.Get(count);
        while (raw == signBit && bits.Left() >= uint64_t(count)) {
            escaped += signBit - 1;
            raw = bits.Get(count);
        }
        const int64_t value = raw & signBit ? int64_t(raw) - (int64_t(1) << count) : int64_t(raw);
        return value < 0 ? value - escaped : value + escaped;
    };
    const uint64_t pointBits = uint64_t(xBits + yBits + (extraBit ? 1 : 0));
    int64_t x = object.Coords[0].X, y = object.Coords[0].Y;
    size_t lastMoved = 1;
    while (bits.Left() >= pointBits) {
        const int64_t dx = delta(xBits, xSame, xNegative), dy = delta(yBits, ySame, yNegative);
        if (extraBit) bits.Get(1);
        x += dx << shift;
        y += dy << shift;
        object.Coords.push_back(Coord(x, y));
        if (dx != 0 || dy != 0) lastMoved = object.Coords.size();
    }
    // The bits that fill up the last byte may read as a point that does not move; no writer stores one.
    object.Coords.resize(lastMoved);
    MapBox box{object.Coords[0].X, object.Coords[0].Y, object.Coords[0].X, object.Coords[0].Y};
    for (const MapCoord& c : object.Coords)
        box = {std::min(box.West, c.X), std::min(box.South, c.Y), std::max(box.East, c.X),
               std::max(box.North, c.Y)};
    object.Box = box;
}

void TileReader::ReadExtended(size_t index, const Subdivision& sub, int shift, MapLevel& level) {
    // TRE gives, per subdivision, where its objects of extended types start in RGN's three sections
    // of them; the next subdivision's entry (or the section's end) is where they end.
    const Bytes table = Files.Tre.Section(0x7C, 0x80);
    const uint32_t recordSize = Files.Tre.Field16(0x84);
    if (recordSize < 12 || table.empty()) return;
    const size_t records = table.size() / recordSize;
    if (index >= records) return;
    const Bytes sections[3] = {Files.Rgn.Section(0x1D, 0x21), Files.Rgn.Section(0x39, 0x3D),
                               Files.Rgn.Section(0x55, 0x59)};
    for (int k = 0; k < 3; ++k) {
        const size_t start = U32(table, index * recordSize + 4 * k);
        const size_t end =
            index + 1 < records ? U32(table, (index + 1) * recordSize + 4 * k) : sections[k].size();
        if (start == end) continue;
        if (start > end || end > sections[k].size()) throw Damaged{};
        const Bytes part = sections[k].subspan(start, end - start);
        if (k == 0)
            ReadExtPolys(part, MapKind::Polygon, sub, shift, level);
        else if (k == 1)
            ReadExtPolys(part, MapKind::Line, sub, shift, level);
        else
            ReadExtPoints(part, sub, shift, level);
    }
}

void TileReader::ReadExtPoints(Bytes section, const Subdivision& sub, int shift, MapLevel& level) {
    for (size_t at = 0; at < section.size();) {
        const uint32_t subType = U8(section, at + 1);
        // Records with further bytes of their own (0x80) have a layout this reader does not know.
        if (subType & 0x80) throw Damaged{};
        const bool hasLabel = subType & 0x20;
        const size_t size = hasLabel ? 9 : 6;
        if (at + size > section.size()) throw Damaged{};
        MapObject object;
        object.Kind = MapKind::Point;
        object.Type = 0x100 | U8(section, at);
        object.SubType = subType & 0x1F;
        const MapCoord c = Coord(sub.X + (int64_t(S16(section, at + 2)) << shift),
                                 sub.Y + (int64_t(S16(section, at + 4)) << shift));
        object.Coords.push_back(c);
        object.Box = {c.X, c.Y, c.X, c.Y};
        if (hasLabel) SetLabel(object, Labels.Label(U24(section, at + 6) & 0x3FFFFF));
        level.Objects.push_back(std::move(object));
        at += size;
    }
}

void TileReader::ReadExtPolys(Bytes section, MapKind kind, const Subdivision& sub, int shift,
                              MapLevel& level) {
    for (size_t at = 0; at < section.size();) {
        const uint32_t subType = U8(section, at + 1);
        if (subType & 0x80) throw Damaged{};
        // The length of the bases byte and the bits: one byte (lowest bit set) or two.
        const uint32_t lengthByte = U8(section, at + 6);
        const size_t header = lengthByte & 1 ? 7 : 8;
        const size_t length = lengthByte & 1 ? lengthByte >> 1 : U16(section, at + 6) >> 2;
        const size_t size = header + length + (subType & 0x20 ? 3 : 0);
        if (length == 0 || at + size > section.size()) throw Damaged{};
        MapObject object;
        object.Kind = kind;
        object.Type = 0x100 | U8(section, at);
        object.SubType = subType & 0x1F;
        object.Coords.push_back(Coord(sub.X + (int64_t(S16(section, at + 2)) << shift),
                                      sub.Y + (int64_t(S16(section, at + 4)) << shift)));
        DecodeLine(object, section.subspan(at + header, length), false, true, shift);
        if (subType & 0x20) SetLabel(object, Labels.Label(U24(section, at + header + length) & 0x3FFFFF));
        level.Objects.push_back(std::move(object));
        at += size;
    }
}

} // namespace

bool IsLocked(const Subfile& tre) {
    return U8(tre.Data, tre.Header + 0x0D) & 0x80;
}

MapTile ReadTile(const TileFiles& files, MapFile& file, DecodeBudget& budget) {
    return TileReader(files, file, budget).Read();
}

} // namespace velmora::img
