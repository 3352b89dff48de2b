// Any bytes handed over as a clipboard block: the decoder must refuse or decode, never read outside
// the block, and a decoded object must encode back to a block that decodes again.
#include "commands/clipboard_record.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> block(data, size);
    const std::optional<velmora::TGarminObject> object = velmora::DecodeClipboardRecord(block);
    if (!object) return 0;
    const std::vector<uint8_t> again = velmora::EncodeClipboardRecord(*object);
    if (!velmora::DecodeClipboardRecord(again)) std::abort();
    return 0;
}
