#include "commands/edit_commands.h"

#include "commands/clipboard_record.h"
#include "commands/label_style.h"

#include <functional>
#include <memory>
#include <utility>

namespace velmora::Edit {
namespace {

// Pushes a step that runs change on object; true when it changed the object.
bool PushObjectEdit(EditHistory& history, TypDocument& doc, TGarminObject& object, const QString& name,
                    const std::function<bool(TGarminObject&)>& change, std::optional<int> view = std::nullopt,
                    MergeId merge = MergeId::None, StepTime time = 0, bool endsWord = false) {
    bool changed = false;
    auto step = std::make_unique<ObjectEditStep>(
        doc, object, name, [&](TGarminObject& o) { return changed = change(o); }, view);
    if (merge != MergeId::None) step->SetMerging(merge, time, endsWord);
    history.Push(std::move(step));
    return changed;
}

// A property control's change: steps of one control that follow each other merge.
bool PushProperty(EditHistory& history, TypDocument& doc, TGarminObject& object, const QString& name,
                  MergeId merge, StepTime time, const std::function<bool(TGarminObject&)>& change) {
    return PushObjectEdit(history, doc, object, name, change, std::nullopt, merge, time);
}

} // namespace

bool Paint(EditHistory& history, TypDocument& doc, TGarminObject& object, const PaintTarget& target, int row,
           int col, int stroke) {
    auto step = std::make_unique<PaintStep>(doc, object, target.Plane, row, col, target.Code, stroke);
    const bool changes = !step->isObsolete();
    history.Push(std::move(step));
    return changes;
}

bool Recolour(EditHistory& history, TypDocument& doc, TGarminObject& object, int table, size_t entry,
              uint32_t colour, std::optional<int> view) {
    return PushObjectEdit(
        history, doc, object, StepName::Colour(),
        [&](TGarminObject& o) { return SetEntryColour(o, table, entry, colour); }, view);
}

bool ChangeColourEntry(EditHistory& history, TypDocument& doc, TGarminObject& object, int view, int index,
                       const SymbolEdit& edit) {
    return PushObjectEdit(
        history, doc, object, StepName::Colour(),
        [&](TGarminObject& o) { return velmora::ChangeColourEntry(o, view, index, edit); }, view);
}

bool AddColourEntry(EditHistory& history, TypDocument& doc, TGarminObject& object, int view,
                    const SymbolEdit& edit) {
    return PushObjectEdit(
        history, doc, object, StepName::AddColour(),
        [&](TGarminObject& o) { return velmora::AddColourEntry(o, view, edit); }, view);
}

bool LayPicture(EditHistory& history, TypDocument& doc, TGarminObject& object, QImage& target,
                const QImage& picture, int view, TransparencyDrawing drawing) {
    auto step = std::make_unique<TemplateStep>(doc, object, target, picture, view, drawing);
    const bool laid = !step->isObsolete();
    history.Push(std::move(step));
    return laid;
}

bool SetLineWidth(EditHistory& history, TypDocument& doc, TGarminObject& object, int value, StepTime time) {
    return PushProperty(history, doc, object, StepName::LineWidth(), MergeId::LineWidth, time,
                        [value](TGarminObject& o) { return velmora::SetLineWidth(o, value); });
}

bool SetBorderWidth(EditHistory& history, TypDocument& doc, TGarminObject& object, int value, StepTime time) {
    return PushProperty(history, doc, object, StepName::BorderWidth(), MergeId::BorderWidth, time,
                        [value](TGarminObject& o) { return velmora::SetBorderWidth(o, value); });
}

bool SetOrientation(EditHistory& history, TypDocument& doc, TGarminObject& object, int index, StepTime time) {
    return PushProperty(history, doc, object, StepName::Orientation(), MergeId::Orientation, time,
                        [index](TGarminObject& o) { return SetUseOrientation(o, index); });
}

bool SetCharsPerPixel(EditHistory& history, TypDocument& doc, TGarminObject& object, int value,
                      StepTime time) {
    return PushProperty(history, doc, object, StepName::CharsPerPixel(), MergeId::CharsPerPixel, time,
                        [value](TGarminObject& o) { return velmora::SetCharsPerPixel(o, value); });
}

bool SetFontStyle(EditHistory& history, TypDocument& doc, TGarminObject& object, std::optional<uint8_t> style,
                  StepTime time) {
    return PushProperty(history, doc, object, StepName::FontStyle(), MergeId::FontStyle, time,
                        [style](TGarminObject& o) { return velmora::SetFontStyle(o, style); });
}

bool SetLabelColour(EditHistory& history, TypDocument& doc, TGarminObject& object, int view,
                    std::optional<uint32_t> colour, StepTime time) {
    const bool night = view == Night;
    return PushProperty(history, doc, object, StepName::LabelColour(),
                        night ? MergeId::NightLabelColour : MergeId::DayLabelColour, time,
                        [night, colour](TGarminObject& o) {
                            return night ? SetNightLabelColour(o, colour) : SetDayLabelColour(o, colour);
                        });
}

std::optional<QString> Retype(EditHistory& history, TypDocument& doc, TGarminObject& object,
                              std::string_view row) {
    std::optional<QString> listText;
    PushObjectEdit(history, doc, object, StepName::Retype(), [&](TGarminObject& o) {
        const uint32_t type = o.TypeCode, subType = o.SubTypeCode;
        listText = RetypeFromCatalogue(o, row);
        return listText && (o.TypeCode != type || o.SubTypeCode != subType);
    });
    return listText;
}

bool SetLabels(EditHistory& history, TypDocument& doc, TGarminObject& object, std::vector<std::string> lines,
               StepTime time) {
    const bool endsWord = EndsWord(object.Labels, lines);
    return PushObjectEdit(
        history, doc, object, StepName::Labels(),
        [lines = std::move(lines)](TGarminObject& o) { return velmora::SetLabels(o, lines); }, std::nullopt,
        MergeId::Labels, time, endsWord);
}

bool AddLabelLine(EditHistory& history, TypDocument& doc, TGarminObject& object,
                  std::string_view languageRow) {
    return PushObjectEdit(history, doc, object, StepName::LabelLine(),
                          [&](TGarminObject& o) { return AppendLabelLine(o, languageRow); });
}

bool SetHeaderLines(EditHistory& history, TypDocument& doc, std::vector<std::string> lines, StepTime time) {
    auto step = std::make_unique<HeaderStep>(doc, std::move(lines), time);
    const bool changes = !step->isObsolete();
    history.Push(std::move(step));
    return changes;
}

TGarminObject& Create(EditHistory& history, TypDocument& doc, const NewObjectSettings& settings) {
    history.Push(std::make_unique<AddObjectStep>(
        doc, std::make_unique<TGarminObject>(BuildNewObject(settings)), StepName::Create()));
    return *doc.List(settings.Kind).back();
}

bool Delete(EditHistory& history, TypDocument& doc, int kind, int index) {
    auto step = std::make_unique<DeleteObjectStep>(doc, kind, index);
    const bool deletes = !step->isObsolete();
    history.Push(std::move(step));
    return deletes;
}

bool Paste(EditHistory& history, TypDocument& doc, std::span<const uint8_t> block) {
    if (block.size() > MaxClipboardBlock) return false;
    std::optional<TGarminObject> pasted = DecodeClipboardRecord(block);
    if (!pasted) return false;
    history.Push(std::make_unique<AddObjectStep>(doc, std::make_unique<TGarminObject>(std::move(*pasted)),
                                                 StepName::Paste()));
    return true;
}

} // namespace velmora::Edit
