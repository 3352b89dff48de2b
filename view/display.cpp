#include "view/display.h"

#include "model/text_format.h"

#include "view/colour.h"
#include "view/transparency.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace velmora {

namespace {

QString Hex(uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

// A code byte as one character; NUL shows nothing.
QString CodeText(char code) {
    return code == 0 ? QString() : QString(QChar::fromLatin1(code));
}

QString SpaceText() {
    return QCoreApplication::translate("ColourList", "пробел");
}

QString OpaqueEntryText(const TColourEntry& entry) {
    QString text = CodeText(entry.Code);
    if (entry.Code == ' ') text += SpaceText();
    return text;
}

bool HasBitmap(const TGarminObject& object) {
    return object.XpmHeader[Day].Width != 0;
}

// Fills a list the way both list fillers do: every opaque entry takes the selection as it is added.
template <typename TransparentText>
ColourList ListOf(const TGarminObject& object, int variant, TransparentText transparentText) {
    ColourList list;
    const int count = UsableColourCount(object, variant);
    for (int k = 0; k < count; ++k) {
        const TColourEntry& entry = object.Colours[size_t(variant)][size_t(k)];
        if (entry.IsTransparent()) {
            list.Items.push_back(transparentText(entry));
        } else {
            list.Items.push_back(OpaqueEntryText(entry));
            list.Selected = k;
        }
    }
    return list;
}

} // namespace

QString ListEntryText(const TGarminObject& object) {
    if (object.Kind != KindPoint) return Hex(object.TypeCode, 2);
    if (object.TypeCode > 0xFF) return Hex(object.TypeCode, 3);
    return Hex(object.TypeCode, 2) + u'/' + Hex(object.SubTypeCode, 2);
}

ColourList ColorBox(const TGarminObject& object, int view) {
    return ListOf(object, view,
                  [](const TColourEntry& e) { return QStringLiteral("none ") + CodeText(e.Code); });
}

ColourList LineBitmapColourList(const TGarminObject& object, int view) {
    if (view != Day) return {};
    return ListOf(object, Day, [](const TColourEntry&) { return NoneText.toString(); });
}

ColourList ShownColourList(const TGarminObject& object, int view) {
    if (object.Kind != KindPoint && HasBitmap(object)) return LineBitmapColourList(object, view);
    return ColorBox(object, view);
}

std::optional<uint32_t> ColourListEntryColour(const TGarminObject& object, int view, int index) {
    if (view != Day && view != Night) return std::nullopt;
    const int variant = BitmapView(object, view);
    const int entry = object.Kind == KindPoint || view == Day ? index : index + 2;
    if (index < 0 || entry >= UsableColourCount(object, variant)) return std::nullopt;
    return object.Colours[size_t(variant)][size_t(entry)].Colour();
}

uint8_t ColourListEntryAlpha(const TGarminObject& object, int view, int index) {
    if (!ColourListEntryColour(object, view, index)) return AlphaOpaque;
    const int entry = object.Kind == KindPoint || view == Day ? index : index + 2;
    return ShownAlpha(object, BitmapView(object, view), size_t(entry));
}

QString ColourReadout(const TGarminObject& object, int view, int selectedIndex, QStringView itemText) {
    if (view != Day && view != Night) return {};
    const int variant = BitmapView(object, view);
    if (selectedIndex < 0 || selectedIndex >= UsableColourCount(object, variant)) return {};
    if (itemText.left(4) == NoneText) return NoneText.toString();
    return ColourHexText(object.Colours[size_t(variant)][size_t(selectedIndex)].Colour());
}

} // namespace velmora
