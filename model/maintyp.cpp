#include "model/maintyp.h"

namespace velmora {

std::vector<std::string> DefaultHeaderLines() {
    return {"[_id]",
            "ProductCode=000",
            "FID=000",
            "Codepage=1252",
            "[End]",
            "",
            "[_drawOrder]",
            "Type=1,1",
            "Type=2,1",
            "Type=3,1",
            "Type=4,2",
            "Type=5,4",
            "Type=6,7",
            "Type=7,7",
            "Type=8,7",
            "Type=9,8",
            "Type=0x0a,3",
            "Type=0x0b,3",
            "Type=0x0c,3",
            "Type=0x0d,3",
            "Type=0x0e,3",
            "Type=0x13,3",
            "Type=0x14,3 ; National park (sparse forest)",
            "Type=0x15,3",
            "Type=0x16,3",
            "Type=0x17,7 ; City park (block)",
            "Type=0x18,7",
            "Type=0x19,7",
            "Type=0x1a,7",
            "Type=0x1e,3",
            "Type=0x1f,3",
            "Type=0x20,3",
            "Type=0x28,8",
            "Type=0x29,8",
            "Type=0x32,8",
            "Type=0x3b,8",
            "Type=0x3c,8",
            "Type=0x3d,8",
            "Type=0x3e,8",
            "Type=0x3f,8",
            "Type=0x40,8",
            "Type=0x41,8 ;Small lake (<0.25 km2)",
            "Type=0x42,8",
            "Type=0x43,8",
            "Type=0x44,8",
            "Type=0x45,8",
            "Type=0x46,8",
            "Type=0x47,8",
            "Type=0x48,8",
            "Type=0x49,8",
            "Type=0x4c,7",
            "Type=0x4d,7",
            "Type=0x4e,7",
            "Type=0x4f,7",
            "Type=0x50,1 ;forest",
            "Type=0x51,7",
            "Type=0x52,3",
            "Type=0x53,7",
            "[end]"};
}

void TypDocument::Clear() {
    CurrentObject = nullptr;
    PointList.clear();
    LineList.clear();
    PolygonList.clear();
    HeaderLines.clear();
    Utf8 = ByteOrderMark = false;
}

} // namespace velmora
