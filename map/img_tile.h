// One map tile of an IMG file: TRE (bounds, levels, subdivisions) and the objects of RGN with their
// labels. Internal to the map engine.
#pragma once

#include "map/img_bytes.h"
#include "map/map_data.h"

#include <cstdint>
#include <string>

namespace velmora::img {

struct TileFiles {
    std::string Name;
    Subfile Tre, Rgn, Lbl, Net;
};

// What a file's tiles may still spend on labels together, so that many objects naming one long
// label cannot turn a small file into a large amount of memory.
struct DecodeBudget {
    uint64_t LabelBytes = 0;
};

// True when the tile's TRE says the map is encrypted.
bool IsLocked(const Subfile& tre);

// The tile's objects by level; damaged subdivisions and labels are skipped and counted in file.
MapTile ReadTile(const TileFiles& files, MapFile& file, DecodeBudget& budget);

} // namespace velmora::img
