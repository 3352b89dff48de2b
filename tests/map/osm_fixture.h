// The OSM fixtures of the map tests as the style turns them into map objects: a small reader of the
// hand-written OSM XML files and of the style's rules, enough for what the fixtures hold.
#pragma once

#include "map/map_data.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace velmora::test {

// One object that the style makes of a node or way.
struct OsmFeature {
    MapKind Kind = MapKind::Point;
    uint32_t Type = 0;
    uint32_t SubType = 0;
    int Resolution = 24; // the coarsest level bits at which the style shows it
    std::string Label;
    std::vector<MapCoord> Coords; // map units, rounded as the map compiler rounds
};

inline int32_t ToMapUnits(double degrees) {
    return int32_t(std::lround(degrees / MapUnitDegrees));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The rules of the style folder: "key=value {...} [0xCODE resolution N]" per kind.
struct StyleRule {
    MapKind Kind;
    std::string Tag; // "key=value"
    uint32_t Type, SubType;
    int Resolution;
};

inline std::vector<StyleRule> ReadStyle(const std::string& folder) {
    std::vector<StyleRule> rules;
    const std::regex rule(R"(^(\w+=\w+) .*\[0x([0-9a-fA-F]+) .*resolution (\d+)\])");
    const std::pair<const char*, MapKind> files[] = {
        {"points", MapKind::Point}, {"lines", MapKind::Line}, {"polygons", MapKind::Polygon}};
    for (const auto& [file, kind] : files) {
        std::ifstream in(folder + "/" + file);
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (!std::regex_search(line, m, rule)) continue;
            const uint32_t code = uint32_t(std::stoul(m[2], nullptr, 16));
            // Points: type and subtype in 0xTTSS or 0x1TTSS; lines and polygons: 0xTT or 0x1TTSS.
            const bool split = kind == MapKind::Point || code > 0xFF;
            rules.push_back({kind, m[1], split ? code >> 8 : code, split ? code & 0xFF : 0, std::stoi(m[3])});
        }
    }
    return rules;
}

// The objects the style makes of an OSM file: its nodes with a tag of a point rule, its ways with a
// tag of a line or polygon rule (a closed way's last node, the first again, left out).
// The value of attribute name in the element text ("id='5'" gives "5"); empty when it has none.
inline std::string Attribute(const std::string& element, const std::string& name) {
    const size_t at = element.find(" " + name + "='");
    if (at == std::string::npos) return {};
    const size_t from = at + name.size() + 3;
    return element.substr(from, element.find('\'', from) - from);
}

// The elements "<name .../>" in text, in order.
inline std::vector<std::string> Elements(const std::string& text, const std::string& name) {
    std::vector<std::string> found;
    for (size_t at = text.find("<" + name + " "); at != std::string::npos;
         at = text.find("<" + name + " ", at + 1))
        found.push_back(text.substr(at, text.find('>', at) - at + 1));
    return found;
}

// The objects the style makes of an OSM file: its nodes with a tag of a point rule, its ways with a
// tag of a line or polygon rule (a closed way's last node, the first again, left out). Each node and
// way of the fixtures stands on a line of its own.
inline std::vector<OsmFeature> ReadOsm(const std::string& path, const std::vector<StyleRule>& rules) {
    const auto make = [&](MapKind kind, const std::string& body,
                          std::vector<MapCoord> coords) -> std::optional<OsmFeature> {
        std::map<std::string, std::string> tags;
        for (const std::string& tag : Elements(body, "tag"))
            tags[Attribute(tag, "k")] = Attribute(tag, "v");
        for (const StyleRule& rule : rules) {
            const size_t eq = rule.Tag.find('=');
            const auto found = tags.find(rule.Tag.substr(0, eq));
            if (rule.Kind != kind || found == tags.end() || found->second != rule.Tag.substr(eq + 1))
                continue;
            return OsmFeature{kind,         rule.Type,        rule.SubType, rule.Resolution,
                              tags["name"], std::move(coords)};
        }
        return std::nullopt;
    };
    std::vector<OsmFeature> features;
    std::map<std::string, MapCoord> nodes;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.find("<node ") != std::string::npos) {
            const std::string element = Elements(line, "node").front();
            const MapCoord c{ToMapUnits(std::stod(Attribute(element, "lon"))),
                             ToMapUnits(std::stod(Attribute(element, "lat")))};
            nodes[Attribute(element, "id")] = c;
            if (auto feature = make(MapKind::Point, line, {c})) features.push_back(*feature);
        } else if (line.find("<way ") != std::string::npos) {
            std::vector<MapCoord> coords;
            for (const std::string& nd : Elements(line, "nd"))
                coords.push_back(nodes[Attribute(nd, "ref")]);
            const bool closed = coords.size() > 2 && coords.front() == coords.back();
            if (auto feature = make(closed ? MapKind::Polygon : MapKind::Line, line, coords)) {
                if (closed) feature->Coords.pop_back();
                features.push_back(*feature);
            }
        }
    }
    return features;
}

} // namespace velmora::test
