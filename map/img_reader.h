// Reads Garmin IMG maps (a single map tile or a gmapsupp.img of several) into plain map objects.
// Every read is bounded: a damaged file loads what can be read, skipping and counting damaged
// subdivisions and labels, and a file that is no map at all is refused with an error naming it.
#pragma once

#include "map/map_data.h"
#include "model/maintyp.h"

#include <cstdint>
#include <string>
#include <vector>

// A map that cannot be read: the message names the file and what is wrong (no IMG file, encrypted,
// no map tile). A file that cannot be opened or read gives FileError itself.
struct MapError : velmora::FileError {
    MapError(const std::string& path, const char* reason);
};

MapFile ReadImgMap(const std::string& path);
// name stands for the file in error messages and becomes MapFile::Path.
MapFile ReadImgMapBytes(const std::vector<uint8_t>& bytes, const std::string& name);
