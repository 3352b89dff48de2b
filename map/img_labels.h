// The labels of a map tile: LBL (6-bit, 8-bit code page and UTF-8 text, the labels of points
// through the POI properties) and the road labels that NET holds. Internal to the map engine.
#pragma once

#include "map/img_bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::img {

class LabelTable {
  public:
    LabelTable(const Subfile& lbl, const Subfile& net);

    // The label at an offset of the label section as UTF-8; none when the offset lies outside the
    // section or the text runs past its end.
    std::optional<std::string> Label(uint32_t offset) const;
    // The label of a point whose record names its POI properties instead of a label.
    std::optional<std::string> PoiLabel(uint32_t offset) const;
    // The first label of a road, which a line's record names through NET.
    std::optional<std::string> RoadLabel(uint32_t offset) const;

  private:
    std::string Decode6Bit(Bytes text, bool& ended) const;
    std::string Decode8Bit(Bytes text, bool& ended) const;

    Bytes Text;
    uint32_t Shift = 0;
    uint32_t Encoding = 0;
    uint32_t CodePage = 0;
    Bytes Poi;
    uint32_t PoiShift = 0;
    Bytes Roads;
    uint32_t RoadShift = 0;
};

} // namespace velmora::img
