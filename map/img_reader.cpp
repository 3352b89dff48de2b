#include "map/img_reader.h"
#include "map/img_container.h"
#include "map/img_tile.h"
#include "model/text_format.h"
#include "model/translatable.h"

#include <map>
#include <string_view>

namespace {

using namespace velmora::img;

const char* const CannotOpenMap = velmora::TranslateNoop("FileError", "Cannot open map \"%1\".");
const char* const Encrypted = velmora::TranslateNoop("FileError", "The map is encrypted.");
const char* const NoTile =
    velmora::TranslateNoop("FileError", "It holds no map tile in a format that this program reads.");

// Labels of a file may take this many bytes per byte of the file, and a little more.
constexpr uint64_t LabelBytesPerFileByte = 16;
constexpr uint64_t LabelBytesExtra = uint64_t(16) << 20;

// A subfile of the older layout, whose header starts it, when its header says it is one of type.
Subfile Plain(const ContainedFile* file, std::string_view type) {
    if (!file || !HasText(file->Data, 2, std::string("GARMIN ") + std::string(type))) return {};
    return {file->Data, 0};
}

// A part of a GMP file, whose header lists where the headers of TRE, RGN, LBL and NET start.
Subfile InGmp(const ContainedFile& gmp, uint32_t field, std::string_view type) {
    const Subfile whole{gmp.Data, 0};
    const uint32_t at = whole.Field32(field);
    if (at == 0 || !HasText(gmp.Data, size_t(at) + 2, std::string("GARMIN ") + std::string(type))) return {};
    return {gmp.Data, at};
}

} // namespace

MapError::MapError(const std::string& path, const char* reason) : FileError(CannotOpenMap, path, reason) {}

MapFile ReadImgMapBytes(const std::vector<uint8_t>& bytes, const std::string& name) {
    const std::vector<ContainedFile> files = ReadContainer(bytes, name);
    MapFile map;
    map.Path = name;

    // The subfiles of each tile by name; the tiles in the order of the file table.
    std::map<std::string, std::map<std::string, const ContainedFile*>> byName;
    std::vector<std::string> names;
    for (const ContainedFile& file : files) {
        if (file.Type == "TYP") {
            map.Styles.emplace_back(file.Name + "." + file.Type, file.Data);
            continue;
        }
        auto& types = byName[file.Name];
        if (types.empty()) names.push_back(file.Name);
        types.emplace(file.Type, &file);
    }

    DecodeBudget budget{LabelBytesPerFileByte * bytes.size() + LabelBytesExtra};
    bool locked = false;
    for (const std::string& tileName : names) {
        const auto& types = byName[tileName];
        const auto find = [&](const char* type) {
            const auto found = types.find(type);
            return found == types.end() ? nullptr : found->second;
        };
        TileFiles tile{tileName, Plain(find("TRE"), "TRE"), Plain(find("RGN"), "RGN"),
                       Plain(find("LBL"), "LBL"), Plain(find("NET"), "NET")};
        if (const ContainedFile* gmp = find("GMP"); gmp && !tile.Tre.Present())
            tile = {tileName, InGmp(*gmp, 0x19, "TRE"), InGmp(*gmp, 0x1D, "RGN"), InGmp(*gmp, 0x21, "LBL"),
                    InGmp(*gmp, 0x25, "NET")};
        if (!tile.Tre.Present() || !tile.Rgn.Present()) continue;
        if (IsLocked(tile.Tre)) {
            locked = true;
            continue;
        }
        map.Tiles.push_back(ReadTile(tile, map, budget));
    }
    if (map.Tiles.empty()) throw MapError(name, locked ? Encrypted : NoTile);
    return map;
}

MapFile ReadImgMap(const std::string& path) {
    const std::string bytes = velmora::ReadWholeFile(path);
    return ReadImgMapBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()), path);
}
