// The IMG container: its header, the XOR byte and the file table, giving the subfiles by name and
// type. Internal to the map engine.
#pragma once

#include "map/img_bytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::img {

struct ContainedFile {
    std::string Name; // e.g. "77700001", trailing blanks removed
    std::string Type; // e.g. "TRE"
    std::vector<uint8_t> Data;
};

// The subfiles of an IMG file in the order of its file table, each file's parts joined. Throws
// MapError naming path when the bytes are no IMG file.
std::vector<ContainedFile> ReadContainer(Bytes file, const std::string& path);

} // namespace velmora::img
