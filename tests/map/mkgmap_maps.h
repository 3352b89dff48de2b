// Map tiles compiled by Debian's mkgmap from the OSM fixtures of tests/map/data and their style, at
// test time. A compiled map is kept in the system's temporary folder under a name made from the
// fixtures and the options, so that the test processes of one run compile each map once.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

namespace mkgmap_maps {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline bool HasMkgmap() {
    return std::system("command -v mkgmap > /dev/null 2>&1") == 0;
}

// The compiled map: mapName.img for a tile, gmapsupp.img with gmapsupp; none when mkgmap is
// missing or fails. inputs are file names in dataFolder (OSM files, and a text TYP for a gmapsupp).
inline std::optional<fs::path> Compile(const fs::path& dataFolder, const std::vector<std::string>& inputs,
                                       const std::string& options, bool gmapsupp = false) {
    if (!HasMkgmap()) return std::nullopt;
    std::string key = options + (gmapsupp ? "|gmapsupp" : "");
    for (const std::string& input : inputs)
        key += "|" + input + "|" + ReadBytes(dataFolder / input);
    for (const char* rule : {"points", "lines", "polygons"})
        key += ReadBytes(dataFolder / "style" / rule);
    const fs::path cached =
        fs::temp_directory_path() / ("velmora-mkgmap-" + std::to_string(std::hash<std::string>{}(key)));
    const std::string result = gmapsupp ? "gmapsupp.img" : "77700001.img";
    if (fs::exists(cached / result)) return cached / result;

    // Compiled in a folder of this process, then moved into place whole.
    const fs::path work = cached.string() + ".tmp" + std::to_string(::getpid());
    fs::remove_all(work);
    fs::create_directories(work);
    std::string command = "cd '" + work.string() +
                          "' && mkgmap --family-id=777 --mapname=77700001 --style-file='" +
                          (dataFolder / "style").string() + "' " + options + (gmapsupp ? " --gmapsupp" : "");
    for (const std::string& input : inputs) {
        // A text TYP is compiled where mkgmap writes its output.
        fs::copy_file(dataFolder / input, work / input);
        command += " '" + input + "'";
    }
    command += " > mkgmap.log 2>&1";
    if (std::system(command.c_str()) != 0 || !fs::exists(work / result)) return std::nullopt;
    std::error_code error;
    fs::rename(work, cached, error);
    if (error) fs::remove_all(work); // another process was first
    return fs::exists(cached / result) ? std::optional(cached / result) : std::nullopt;
}

} // namespace mkgmap_maps

using mkgmap_maps::Compile;

} // namespace velmora::test
