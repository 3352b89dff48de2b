// velmora-typ map-types MAP [STYLE]: the types a Garmin map uses, how many objects of each, and
// whether a style defines them.
#include "map/map_types.h"
#include "cli/cli.h"
#include "cli/translate.h"
#include "map/img_reader.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::cli {

namespace {

const char* const KindNames[] = {TranslateNoop("velmora-typ", "point"), TranslateNoop("velmora-typ", "line"),
                                 TranslateNoop("velmora-typ", "polygon")};

// Characters, not bytes: the Russian words are two bytes a letter in UTF-8.
size_t Width(const std::string& text) {
    return size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

std::string Row(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) {
        row += cells[i];
        if (i + 1 < cells.size()) row += std::string(widths[i] + 2 - Width(cells[i]), ' ');
    }
    while (!row.empty() && row.back() == ' ')
        row.pop_back();
    return row + "\n";
}

} // namespace

int RunMapTypes(std::span<const std::string> args) {
    if (args.empty() || args.size() > 2)
        return UsageError(Translate("velmora-typ", "map-types takes a map and, optionally, a style"));
    const MapFile map = ReadImgMap(args[0]);
    std::optional<TypDocument> style;
    if (args.size() == 2) {
        style.emplace();
        try {
            LoadDocument(args[1], *style);
        } catch (const ConversionError& error) {
            PrintError(args[1] + ": " + ErrorText(error));
            return ExitFailure;
        }
    }
    if (map.SkippedSubdivisions > 0 || map.SkippedLabels > 0)
        PrintError(
            FillIn(Translate("velmora-typ", "%1: %2 damaged subdivisions and %3 damaged labels skipped"),
                   {args[0], std::to_string(map.SkippedSubdivisions), std::to_string(map.SkippedLabels)}));

    const std::string yes = Translate("velmora-typ", "yes"), no = Translate("velmora-typ", "no");
    std::vector<std::vector<std::string>> rows;
    rows.push_back({Translate("velmora-typ", "kind"), Translate("velmora-typ", "type"),
                    Translate("velmora-typ", "objects")});
    if (style) {
        rows.back().push_back(Translate("velmora-typ", "in style"));
        rows.back().push_back(Translate("velmora-typ", "in draw order"));
    }
    const std::map<MapTypeKey, int> drawOrder =
        style ? PolygonDrawOrder(style->HeaderLines) : std::map<MapTypeKey, int>{};
    std::map<MapTypeKey, uint64_t> counts;
    CountMapTypes(map, counts);
    for (const auto& [key, count] : counts) {
        rows.push_back({Translate("velmora-typ", KindNames[ObjectKindOf(key.Kind)]), MapTypeText(key),
                        std::to_string(count)});
        if (!style) continue;
        rows.back().push_back(FindStyleObject(*style, key) ? yes : no);
        if (key.Kind == MapKind::Polygon) rows.back().push_back(drawOrder.count(key) ? yes : no);
    }
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], Width(row[i]));
    std::string text;
    for (const auto& row : rows)
        text += Row(row, widths);
    std::fputs(text.c_str(), stdout);
    return ExitSuccess;
}

} // namespace velmora::cli
