#include "view/properties.h"

#include <algorithm>

namespace velmora {

namespace {

template <typename Field> bool Store(Field& field, int value) {
    if (field == Field(value)) return false;
    field = Field(value);
    return true;
}

} // namespace

bool SetLineWidth(TGarminObject* current, int value) {
    return current && Store(current->LineWidth, std::clamp(value, 1, 15));
}

bool SetBorderWidth(TGarminObject* current, int value) {
    return current && Store(current->BorderWidth, std::clamp(value, 0, 15));
}

bool SetUseOrientation(TGarminObject* current, int index) {
    if (!current) return false;
    const int wanted = std::clamp(index, 0, 1);
    // Any value above 0 already reads "Y"; keep it as stored unless the choice really changes.
    if ((current->UseOrientation > 0 ? 1 : 0) == wanted) return false;
    current->UseOrientation = wanted;
    return true;
}

bool SetCharsPerPixel(TGarminObject* current, int value) {
    if (!current) return false;
    const int charsPerPixel = std::clamp(value, 1, 2);
    bool changed = Store(current->XpmHeader[Day].CharsPerPixel, charsPerPixel);
    if (current->Kind == KindPoint)
        changed = Store(current->XpmHeader[Night].CharsPerPixel, charsPerPixel) || changed;
    return changed;
}

} // namespace velmora
