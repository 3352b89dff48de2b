// The property writes of the controls beside the colour list. Each runs only for a change the user
// made (the window fills the controls with their signals blocked), does nothing without a current
// object, limits the value to the control's range, and returns whether the object changed, so that
// the window can set Modified.
#pragma once

#include "model/maintyp.h"

namespace velmora {

// SpinEdit1Change, "Ширина линии" (1 to 15): LineWidth := value.
bool SetLineWidth(TGarminObject* current, int value);

// SpinEdit2Change, "Шир.  бордюра" (0 to 15): BorderWidth := value.
bool SetBorderWidth(TGarminObject* current, int value);

// ComboBox5Change, "Ориентация": UseOrientation := index (0 "N", 1 "Y").
bool SetUseOrientation(TGarminObject* current, int index);

// SpinEdit6Change, "Повторяемость" (1 to 2): XpmHeader[Day].CharsPerPixel := value, for a point
// also XpmHeader[Night].CharsPerPixel.
bool SetCharsPerPixel(TGarminObject* current, int value);

} // namespace velmora
