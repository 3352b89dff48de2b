// The map engine against maps that Debian's mkgmap compiles from the OSM fixtures at test time, and
// against the real map of the shared corpus.
#include "mkgmap_maps.h"
#include "osm_fixture.h"

#include "map/img_container.h"
#include "map/img_reader.h"
#include "model/utf8.h"
#include "typbin/code_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

const fs::path DataFolder = VELMORA_TEST_DATA_DIR;
const fs::path PragueMap = fs::path(VELMORA_CORPUS_DIR) / "maps" / "prague.img";

std::vector<uint8_t> FileBytes(const fs::path& path) {
    const std::string bytes = ReadFile(path.string());
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The fixture's objects, the style's rules applied.
std::vector<OsmFeature> Features(const char* osm) {
    return ReadOsm((DataFolder / osm).string(), ReadStyle((DataFolder / "style").string()));
}

#define COMPILE_OR_SKIP(var, inputs, options, ...)                                                           \
    const auto var = Compile(DataFolder, inputs, options __VA_OPT__(, ) __VA_ARGS__);                        \
    if (!var) GTEST_SKIP() << "mkgmap is not installed or failed; the map tests need Debian's mkgmap"

std::string KindName(MapKind kind) {
    return kind == MapKind::Point ? "point" : kind == MapKind::Line ? "line" : "polygon";
}

std::string Describe(const OsmFeature& f) {
    char text[80];
    std::snprintf(text, sizeof text, "%s 0x%x/0x%x \"", KindName(f.Kind).c_str(), f.Type, f.SubType);
    return text + f.Label + "\"";
}

// How a label reaches the map: as it is where the map's encoding holds every character of it,
// otherwise (the compiler transliterates) none to compare with.
using LabelInMap = std::optional<std::string> (*)(const std::string&);

std::optional<std::string> Verbatim(const std::string& label) {
    return label;
}
template <uint32_t CodePage> std::optional<std::string> IfInCodePage(const std::string& label) {
    if (!EncodeText(DecodeText(label, CodePageUtf8), CodePage)) return std::nullopt;
    return label;
}
std::optional<std::string> SixBit(const std::string& label) {
    std::string upper = label;
    for (char& c : upper) {
        if (uint8_t(c) >= 0x80) return std::nullopt;
        c = char(std::toupper(uint8_t(c)));
    }
    return upper;
}

bool Near(const MapCoord& a, const MapCoord& b, int32_t tolerance) {
    return std::abs(a.X - b.X) <= tolerance && std::abs(a.Y - b.Y) <= tolerance;
}

// The decoded object of the feature's kind, type and subtype whose coordinates start nearest to it.
const MapObject* Match(const MapLevel& level, const OsmFeature& feature) {
    const MapObject* best = nullptr;
    int64_t bestDistance = 0;
    for (const MapObject& object : level.Objects) {
        if (object.Kind != feature.Kind || object.Type != feature.Type || object.SubType != feature.SubType)
            continue;
        const int64_t distance = std::llabs(int64_t(object.Coords[0].X) - feature.Coords[0].X) +
                                 std::llabs(int64_t(object.Coords[0].Y) - feature.Coords[0].Y);
        if (!best || distance < bestDistance) best = &object, bestDistance = distance;
    }
    return best;
}

// Every feature of the OSM file is an object of the tile's most detailed level with its kind, type,
// subtype and label, and with each of its coordinates within the level's resolution; at every
// coarser level that the style shows it on, each coordinate lies within that level's resolution of
// one of the feature's own.
void ExpectTileHoldsFeatures(const MapTile& tile, const std::vector<OsmFeature>& features,
                             LabelInMap labelInMap) {
    ASSERT_FALSE(tile.Levels.empty());
    ASSERT_EQ(tile.Levels.front().Bits, 24);
    for (const OsmFeature& feature : features) {
        SCOPED_TRACE(Describe(feature));
        const MapObject* object = Match(tile.Levels.front(), feature);
        ASSERT_NE(object, nullptr) << "missing at the most detailed level";
        if (const auto label = labelInMap(feature.Label)) {
            EXPECT_EQ(object->Label, *label);
        }
        ASSERT_EQ(object->Coords.size(), feature.Coords.size());
        for (size_t i = 0; i < feature.Coords.size(); ++i)
            EXPECT_TRUE(Near(object->Coords[i], feature.Coords[i], 1)) << "coordinate " << i;
        for (const MapLevel& level : tile.Levels) {
            if (level.Bits < feature.Resolution || level.Bits == 24) continue;
            SCOPED_TRACE("level " + std::to_string(level.Level));
            const MapObject* coarse = Match(level, feature);
            ASSERT_NE(coarse, nullptr);
            for (const MapCoord& c : coarse->Coords)
                EXPECT_TRUE(std::any_of(feature.Coords.begin(), feature.Coords.end(), [&](const MapCoord& f) {
                    return Near(c, f, 1 << (24 - level.Bits));
                }));
        }
    }
}

struct LabelCase {
    const char* Name;
    const char* Options;
    LabelInMap Labels;
};

void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << c.Name;
}

class CompiledMap : public ::testing::TestWithParam<LabelCase> {};

// Latin and Cyrillic labels in a code page and in UTF-8, 6-bit labels, and a routable map whose
// road labels come through NET; each with a point, line and polygon of an extended type.
INSTANTIATE_TEST_SUITE_P(
    Encodings, CompiledMap,
    ::testing::Values(LabelCase{"CodePage1251", "--code-page=1251 --lower-case", IfInCodePage<1251>},
                      LabelCase{"Utf8", "--unicode --lower-case", Verbatim}, LabelCase{"SixBit", "", SixBit},
                      LabelCase{"RoutableCodePage1252", "--route --code-page=1252 --lower-case",
                                IfInCodePage<1252>}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_P(CompiledMap, DecodedObjectsEqualTheOsmInput) {
    COMPILE_OR_SKIP(map, {"objects.osm"}, GetParam().Options);
    const MapFile file = ReadImgMap(map->string());
    EXPECT_EQ(file.SkippedSubdivisions, 0u);
    EXPECT_EQ(file.SkippedLabels, 0u);
    ASSERT_EQ(file.Tiles.size(), 1u);
    EXPECT_EQ(file.Tiles[0].Name, "77700001");
    ExpectTileHoldsFeatures(file.Tiles[0], Features("objects.osm"), GetParam().Labels);
}

TEST(MapReader, ReadsEveryTileOfAGmapsuppAndKeepsItsStyle) {
    COMPILE_OR_SKIP(map, {"objects.osm", "second.osm", "preview.txt"}, "--code-page=1252 --lower-case", true);
    const MapFile file = ReadImgMap(map->string());
    ASSERT_EQ(file.Tiles.size(), 2u);
    EXPECT_EQ(file.Tiles[0].Name, "77700001");
    EXPECT_EQ(file.Tiles[1].Name, "77700002");
    ExpectTileHoldsFeatures(file.Tiles[0], Features("objects.osm"), IfInCodePage<1252>);
    ExpectTileHoldsFeatures(file.Tiles[1], Features("second.osm"), IfInCodePage<1252>);
    // The compiled style rides along whole; the sort table and the product file are left out.
    ASSERT_EQ(file.Styles.size(), 1u);
    const auto& [name, bytes] = file.Styles[0];
    EXPECT_EQ(name.substr(name.size() - 4), ".TYP");
    ASSERT_GT(bytes.size(), 12u);
    EXPECT_EQ(std::string(bytes.begin() + 2, bytes.begin() + 12), "GARMIN TYP");
}

// The start of the subfile header "GARMIN type" in the image, 2 bytes before the text.
size_t SubfileAt(const std::vector<uint8_t>& image, const std::string& type) {
    const std::string text = "GARMIN " + type;
    const auto found = std::search(image.begin(), image.end(), text.begin(), text.end());
    return found == image.end() ? 0 : size_t(found - image.begin()) - 2;
}

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

size_t ObjectCount(const MapFile& file) {
    size_t count = 0;
    for (const MapTile& tile : file.Tiles)
        for (const MapLevel& level : tile.Levels)
            count += level.Objects.size();
    return count;
}

class CompiledImage : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto map = Compile(DataFolder, {"objects.osm"}, "--code-page=1251 --lower-case");
        if (!map) GTEST_SKIP() << "mkgmap is not installed or failed; the map tests need Debian's mkgmap";
        Image = FileBytes(*map);
        Sound = ReadImgMapBytes(Image, "sound.img");
        Tre = SubfileAt(Image, "TRE");
        Lbl = SubfileAt(Image, "LBL");
        Rgn = SubfileAt(Image, "RGN");
        ASSERT_NE(Tre, 0u);
        ASSERT_NE(Rgn, 0u);
        ASSERT_NE(Lbl, 0u);
    }
    std::vector<uint8_t> Image;
    MapFile Sound;
    size_t Tre = 0, Lbl = 0, Rgn = 0;
};

TEST_F(CompiledImage, ADamagedSubdivisionIsSkippedAndCountedAndTheRestLoads) {
    // The last subdivision (the most detailed level) says its lines start past its end.
    const size_t subdivisions = Tre + Get32(Image, Tre + 0x29), size = Get32(Image, Tre + 0x2D);
    const size_t last = subdivisions + size - 4 - 14;
    ASSERT_EQ(Image[last + 3] & 0x50, 0x50) << "points and lines";
    const size_t data = Rgn + Get32(Image, Rgn + 0x15) + (Get32(Image, last) & 0xFFFFFF);
    Image[data] = Image[data + 1] = 0xFF;
    const MapFile file = ReadImgMapBytes(Image, "damaged.img");
    EXPECT_EQ(file.SkippedSubdivisions, 1u);
    EXPECT_TRUE(file.Tiles[0].Levels.front().Objects.empty());
    EXPECT_EQ(ObjectCount(file), ObjectCount(Sound) - Sound.Tiles[0].Levels.front().Objects.size());
}

TEST_F(CompiledImage, ALevelOfMoreBitsThanACoordinateHasIsLeftOutWithItsSubdivisions) {
    // TRE lists the most detailed level last; its bits become 255.
    const size_t levels = Tre + Get32(Image, Tre + 0x21), size = Get32(Image, Tre + 0x25);
    Image[levels + size - 4 + 1] = 0xFF;
    const MapFile file = ReadImgMapBytes(Image, "damaged.img");
    EXPECT_EQ(file.SkippedSubdivisions, 1u);
    ASSERT_EQ(file.Tiles[0].Levels.size(), Sound.Tiles[0].Levels.size() - 1);
    for (const MapLevel& level : file.Tiles[0].Levels)
        EXPECT_LT(level.Bits, 24);
}

TEST_F(CompiledImage, LabelsOutsideTheLabelSectionAreSkippedAndCounted) {
    Image[Lbl + 0x19] = 4; // the label section ends after four bytes
    Image[Lbl + 0x1A] = Image[Lbl + 0x1B] = Image[Lbl + 0x1C] = 0;
    const MapFile file = ReadImgMapBytes(Image, "damaged.img");
    EXPECT_GT(file.SkippedLabels, 0u);
    EXPECT_EQ(ObjectCount(file), ObjectCount(Sound));
    for (const MapObject& object : file.Tiles[0].Levels.front().Objects)
        EXPECT_TRUE(object.Label.empty());
}

TEST_F(CompiledImage, AnImageXoredWithItsFirstByteReadsAsTheSameMap) {
    for (uint8_t& b : Image)
        b ^= 0x5A;
    const MapFile file = ReadImgMapBytes(Image, "xored.img");
    ASSERT_EQ(ObjectCount(file), ObjectCount(Sound));
    EXPECT_EQ(file.Tiles[0].Levels.front().Objects[0].Label, Sound.Tiles[0].Levels.front().Objects[0].Label);
    EXPECT_EQ(file.Tiles[0].Levels.front().Objects[0].Coords,
              Sound.Tiles[0].Levels.front().Objects[0].Coords);
}

TEST_F(CompiledImage, AnEncryptedMapIsRefusedNamingTheFile) {
    Image[Tre + 0x0D] |= 0x80;
    try {
        ReadImgMapBytes(Image, "locked.img");
        FAIL() << "no error";
    } catch (const MapError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open map \"locked.img\". The map is encrypted.");
    }
}

TEST_F(CompiledImage, EveryCutOfTheFileLoadsOrIsRefused) {
    for (size_t size = 0; size < Image.size(); size += 97) {
        const std::vector<uint8_t> cut(Image.begin(), Image.begin() + ptrdiff_t(size));
        try {
            const MapFile file = ReadImgMapBytes(cut, "cut.img");
            EXPECT_LE(ObjectCount(file), ObjectCount(Sound));
        } catch (const MapError&) {
        }
    }
}

// The subfiles of image packed again with 512-byte blocks, each file spread over FAT entries of
// at most two blocks, and the blocks of each file stored last one first.
std::vector<uint8_t> Repacked(const std::vector<uint8_t>& image) {
    constexpr size_t Block = 512, BlocksPerEntry = 2;
    const std::vector<img::ContainedFile> files = img::ReadContainer(image, "repack");
    size_t entries = 1;
    for (const auto& file : files)
        entries +=
            std::max<size_t>(1, (file.Data.size() + BlocksPerEntry * Block - 1) / (BlocksPerEntry * Block));
    const size_t dataStart = 0x400 + entries * Block;
    std::vector<uint8_t> out(dataStart, 0);
    std::copy_n(image.begin(), 0x200, out.begin());
    out[0] = 0;
    out[0x40] = 2;
    out[0x61] = 9;
    out[0x62] = 0;
    const auto put = [&](size_t at, uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            out[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    size_t entry = 0x400;
    const auto newEntry = [&](const std::string& name, const std::string& type, uint32_t size,
                              uint32_t part) {
        out[entry] = 1;
        std::fill_n(out.begin() + ptrdiff_t(entry) + 1, 11, ' ');
        std::copy(name.begin(), name.end(), out.begin() + ptrdiff_t(entry) + 1);
        std::copy(type.begin(), type.end(), out.begin() + ptrdiff_t(entry) + 9);
        put(entry + 0x0C, size, 4);
        put(entry + 0x10, part, 2);
        std::fill_n(out.begin() + ptrdiff_t(entry) + 0x20, 480, 0xFF);
        entry += Block;
        return entry - Block;
    };
    const size_t self = newEntry("", "", uint32_t(dataStart), 0);
    for (size_t b = 0; b < dataStart / Block && b < 240; ++b)
        put(self + 0x20 + 2 * b, uint32_t(b), 2);
    for (const auto& file : files) {
        const size_t blocks = (file.Data.size() + Block - 1) / Block;
        const size_t first = out.size() / Block;
        out.resize(out.size() + blocks * Block, 0);
        size_t at = 0;
        for (size_t b = 0; b < std::max<size_t>(blocks, 1); b += BlocksPerEntry) {
            at = newEntry(file.Name, file.Type, uint32_t(file.Data.size()), uint32_t(b / BlocksPerEntry));
            for (size_t i = b; i < std::min(b + BlocksPerEntry, blocks); ++i) {
                const size_t stored = first + blocks - 1 - i;
                put(at + 0x20 + 2 * (i - b), uint32_t(stored), 2);
                const size_t length = std::min(Block, file.Data.size() - i * Block);
                std::copy_n(file.Data.begin() + ptrdiff_t(i * Block), length,
                            out.begin() + ptrdiff_t(stored * Block));
            }
        }
    }
    return out;
}

TEST_F(CompiledImage, FilesSplitOverSeveralTableEntriesAndScatteredBlocksReadWhole) {
    const MapFile file = ReadImgMapBytes(Repacked(Image), "repacked.img");
    EXPECT_EQ(file.SkippedSubdivisions, 0u);
    EXPECT_EQ(file.SkippedLabels, 0u);
    ASSERT_EQ(ObjectCount(file), ObjectCount(Sound));
    for (size_t i = 0; i < Sound.Tiles[0].Levels.front().Objects.size(); ++i) {
        EXPECT_EQ(file.Tiles[0].Levels.front().Objects[i].Label,
                  Sound.Tiles[0].Levels.front().Objects[i].Label);
        EXPECT_EQ(file.Tiles[0].Levels.front().Objects[i].Coords,
                  Sound.Tiles[0].Levels.front().Objects[i].Coords);
    }
}

TEST(MapReader, RefusesFilesThatAreNoMapNamingThem) {
    struct Case {
        const char* Name;
        std::vector<uint8_t> Bytes;
        const char* Message;
    };
    std::vector<uint8_t> header(0x1000, 0);
    std::copy_n("DSKIMG", 6, header.begin() + 0x10);
    std::copy_n("GARMIN", 6, header.begin() + 0x41);
    header[0x61] = 9;
    const Case cases[] = {
        {"empty.img", {}, "Cannot open map \"empty.img\". It is no Garmin IMG map."},
        {"text.img", std::vector<uint8_t>(600, 'a'),
         "Cannot open map \"text.img\". It is no Garmin IMG map."},
        {"blank.img", header, "Cannot open map \"blank.img\". It is no Garmin IMG map."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            ReadImgMapBytes(c.Bytes, c.Name);
            ADD_FAILURE() << "no error";
        } catch (const MapError& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
            EXPECT_EQ(error.Path, c.Name);
        }
    }
    EXPECT_THROW(ReadImgMap((DataFolder / "no-such-map.img").string()), FileError);
}

class RealMap : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(PragueMap)) GTEST_SKIP() << "the shared corpus map " << PragueMap << " is absent";
    }
};

TEST_F(RealMap, EveryObjectLiesInsideItsTileAndEveryLabelIsText) {
    const MapFile file = ReadImgMap(PragueMap.string());
    EXPECT_EQ(file.Tiles.size(), 5u);
    EXPECT_EQ(file.SkippedSubdivisions, 0u);
    EXPECT_EQ(file.SkippedLabels, 0u);
    size_t labelled = 0;
    for (const MapTile& tile : file.Tiles) {
        for (const MapLevel& level : tile.Levels) {
            const int32_t step = 1 << (24 - level.Bits);
            const MapBox bounds{tile.Bounds.West - step, tile.Bounds.South - step, tile.Bounds.East + step,
                                tile.Bounds.North + step};
            for (const MapObject& object : level.Objects) {
                for (const MapCoord& c : object.Coords)
                    ASSERT_TRUE(bounds.Intersects({c.X, c.Y, c.X, c.Y}))
                        << tile.Name << " level " << level.Level << " type 0x" << std::hex << object.Type;
                if (object.Label.empty()) continue;
                ++labelled;
                EXPECT_TRUE(IsUtf8Text(object.Label) || std::all_of(object.Label.begin(), object.Label.end(),
                                                                    [](char c) { return uint8_t(c) < 0x80; }))
                    << object.Label;
                EXPECT_TRUE(std::none_of(object.Label.begin(), object.Label.end(), [](char c) {
                    return uint8_t(c) < 0x20;
                })) << object.Label;
            }
        }
    }
    EXPECT_GT(labelled, 1000u);
}

TEST_F(RealMap, ABoxFindsExactlyTheObjectsThatMeetIt) {
    const MapFile file = ReadImgMap(PragueMap.string());
    const double unit = 1 / MapUnitDegrees;
    const MapBox centre{int32_t(14.395 * unit), int32_t(50.070 * unit), int32_t(14.445 * unit),
                        int32_t(50.0957 * unit)};
    size_t found = 0;
    for (const MapTile& tile : file.Tiles)
        for (const MapLevel& level : tile.Levels) {
            std::vector<const MapObject*> viaCells, all;
            ForEachObjectIn(level, centre, [&](const MapObject& object) { viaCells.push_back(&object); });
            for (const MapObject& object : level.Objects)
                if (object.Box.Intersects(centre)) all.push_back(&object);
            EXPECT_EQ(viaCells, all);
            found += all.size();
        }
    EXPECT_GT(found, 1000u);
}

} // namespace
} // namespace velmora::test
