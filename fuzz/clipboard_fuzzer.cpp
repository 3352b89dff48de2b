// Any bytes handed over as a clipboard block: the decoder must refuse or decode, never read outside
// the block, and a decoded object must encode back to a block that decodes to the same object.
#include "commands/clipboard_record.h"

#include <cstdlib>

namespace {

bool SameData(const velmora::TGarminObject& a, const velmora::TGarminObject& b) {
    return a.Kind == b.Kind && a.TypeCode == b.TypeCode && a.SubTypeCode == b.SubTypeCode &&
           a.UseOrientation == b.UseOrientation && a.Labels == b.Labels && a.LineWidth == b.LineWidth &&
           a.BorderWidth == b.BorderWidth && a.XpmHeader == b.XpmHeader && a.Colours == b.Colours &&
           a.Pixels == b.Pixels && a.FontStyle == b.FontStyle && a.DayLabelColour == b.DayLabelColour &&
           a.NightLabelColour == b.NightLabelColour && a.Alpha == b.Alpha && a.KeptLines == b.KeptLines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> block(data, size);
    const std::optional<velmora::TGarminObject> object = velmora::DecodeClipboardRecord(block);
    if (!object) return 0;
    const std::optional<velmora::TGarminObject> again =
        velmora::DecodeClipboardRecord(velmora::EncodeClipboardRecord(*object));
    if (!again || !SameData(*again, *object)) std::abort();
    return 0;
}
