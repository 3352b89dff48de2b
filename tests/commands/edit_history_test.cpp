#include "commands/edit_history.h"

#include "commands/new_object.h"
#include "commands/object_edits.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::unique_ptr<TGarminObject> NewObject(uint8_t kind, uint32_t type) {
    NewObjectSettings settings;
    settings.Kind = kind;
    settings.Width = 4;
    settings.Height = 3;
    auto object = std::make_unique<TGarminObject>(BuildNewObject(settings));
    object->TypeCode = type;
    object->Labels = {"0x04,Road"};
    return object;
}

// A document of two points, one line and two polygons, opened from a file: nothing modified.
class EditHistoryTest : public testing::Test {
  protected:
    void SetUp() override {
        for (uint32_t type : {0x10u, 0x11u})
            Doc.PointList.push_back(NewObject(KindPoint, type));
        Doc.LineList.push_back(NewObject(KindLine, 0x20));
        for (uint32_t type : {0x31u, 0x32u})
            Doc.PolygonList.push_back(NewObject(KindPolygon, type));
        History.Restart();
        Saved = Snapshot();
    }

    // The whole document as text, to compare states exactly.
    std::string Snapshot() const {
        std::string text;
        for (const auto& line : Doc.HeaderLines)
            text += line + "\n";
        for (int kind : {KindPoint, KindLine, KindPolygon})
            for (const auto& object : Doc.List(kind)) {
                text += "[" + std::to_string(object->Kind) + " " + std::to_string(object->TypeCode) + "/" +
                        std::to_string(object->SubTypeCode) + " w" + std::to_string(object->LineWidth) +
                        " b" + std::to_string(object->BorderWidth) + " o" +
                        std::to_string(object->UseOrientation) + " n" +
                        std::to_string(object->XpmHeader[Day].ColourCount) + " c" +
                        std::to_string(object->XpmHeader[Day].CharsPerPixel) + "]";
                for (const auto& label : object->Labels)
                    text += label + ";";
                for (const auto& plane : object->Pixels)
                    for (const auto& row : plane)
                        text += row + "|";
                for (const auto& table : object->Colours)
                    for (const auto& entry : table)
                        text += std::string(1, entry.Code) + entry.TransparentMark +
                                std::to_string(entry.Colour());
                text += "\n";
            }
        return text;
    }

    // Runs the step, then undoes and redoes it: the document is exactly the one before, then after.
    void ExpectUndoRedo(std::unique_ptr<DocumentStep> step, const QString& name) {
        const std::string before = Snapshot();
        const bool modifiedBefore = Doc.Modified;
        History.Push(std::move(step));
        const std::string after = Snapshot();
        ASSERT_NE(after, before);
        EXPECT_EQ(History.Stack().undoText(), name);
        EXPECT_TRUE(Doc.Modified);
        History.Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Doc.Modified, modifiedBefore);
        History.Redo();
        EXPECT_EQ(Snapshot(), after);
        EXPECT_TRUE(Doc.Modified);
    }

    TGarminObject& Point(size_t i) { return *Doc.PointList[i]; }

    TypDocument Doc;
    EditHistory History{Doc};
    std::string Saved;
};

TEST_F(EditHistoryTest, EveryKindOfStepUndoesAndRedoesExactly) {
    TGarminObject& point = Point(0);
    TGarminObject& line = *Doc.LineList[0];
    const char code = point.Colours[Day][1].Code;
    ExpectUndoRedo(std::make_unique<PaintStep>(Doc, point, Day, 1, 2, code, 1), StepName::Painting());
    const SymbolEdit recolour{"Q", false, 0x123456};
    ExpectUndoRedo(std::make_unique<ObjectEditStep>(
                       Doc, point, StepName::Colour(),
                       [&](TGarminObject& o) { return ChangeColourEntry(o, Day, 1, recolour); }),
                   StepName::Colour());
    ExpectUndoRedo(std::make_unique<ObjectEditStep>(Doc, point, StepName::AddColour(),
                                                    [&](TGarminObject& o) {
                                                        return AddColourEntry(o, Day, {"Z", true, 0});
                                                    }),
                   StepName::AddColour());
    ExpectUndoRedo(std::make_unique<ObjectEditStep>(Doc, line, QStringLiteral("Ширина линии"),
                                                    [](TGarminObject& o) { return SetLineWidth(o, 7); }),
                   QStringLiteral("Ширина линии"));
    ExpectUndoRedo(std::make_unique<ObjectEditStep>(
                       Doc, line, StepName::Retype(),
                       [&](TGarminObject& o) { return RetypeFromCatalogue(o, "0x1a    Паром").has_value(); }),
                   StepName::Retype());
    ExpectUndoRedo(std::make_unique<ObjectEditStep>(
                       Doc, point, StepName::LabelLine(),
                       [&](TGarminObject& o) { return AppendLabelLine(o, "0x19 - russian"); }),
                   StepName::LabelLine());
    ExpectUndoRedo(std::make_unique<HeaderStep>(Doc, std::vector<std::string>{"[_id]", ";x"}, 0),
                   StepName::Header());
    ExpectUndoRedo(std::make_unique<AddObjectStep>(Doc, NewObject(KindLine, 0x21), StepName::Create()),
                   StepName::Create());
    ExpectUndoRedo(std::make_unique<AddObjectStep>(Doc, NewObject(KindPoint, 0x12), StepName::Paste()),
                   StepName::Paste());
    EXPECT_EQ(History.Stack().count(), 9);
}

TEST_F(EditHistoryTest, DeleteKeepsTheObjectAndPutsItBackAtItsIndex) {
    TGarminObject* second = Doc.PolygonList[0].get();
    TGarminObject* deleted = Doc.PolygonList[1].get();
    Doc.CurrentObject = deleted;
    auto first = std::make_unique<DeleteObjectStep>(Doc, KindPolygon, 0);
    History.Push(std::move(first));
    EXPECT_EQ(Doc.CurrentObject, nullptr);
    ASSERT_EQ(Doc.PolygonList.size(), 1u);
    EXPECT_EQ(Doc.PolygonList[0].get(), deleted);
    History.Undo();
    ASSERT_EQ(Doc.PolygonList.size(), 2u);
    // The very object comes back, in its place: steps below it still refer to it.
    EXPECT_EQ(Doc.PolygonList[0].get(), second);
    EXPECT_EQ(Doc.PolygonList[1].get(), deleted);
    EXPECT_EQ(Snapshot(), Saved);
    EXPECT_FALSE(Doc.Modified);

    // A paint of an object, its deletion, and undoing both gives back the first document.
    History.Redo();
    History.Undo();
    History.Push(std::make_unique<PaintStep>(Doc, *deleted, Day, 0, 0, 'Q', 1));
    History.Push(std::make_unique<DeleteObjectStep>(Doc, KindPolygon, 1));
    EXPECT_EQ(History.Undo()->Object, deleted);
    History.Undo();
    EXPECT_EQ(Snapshot(), Saved);
}

TEST_F(EditHistoryTest, StepsThatChangeNothingDoNotEnterTheHistory) {
    TGarminObject& point = Point(0);
    const char same = point.Pixels[Day][0][0];
    History.Push(std::make_unique<PaintStep>(Doc, point, Day, 0, 0, same, 1));
    History.Push(std::make_unique<PaintStep>(Doc, point, Day, 9, 9, 'Q', 1));
    History.Push(std::make_unique<DeleteObjectStep>(Doc, KindLine, 3));
    History.Push(std::make_unique<ObjectEditStep>(Doc, point, QStringLiteral("Ширина линии"),
                                                  [](TGarminObject&) { return false; }));
    History.Push(std::make_unique<HeaderStep>(Doc, Doc.HeaderLines, 0));
    EXPECT_EQ(History.Stack().count(), 0);
    EXPECT_FALSE(Doc.Modified);
}

TEST_F(EditHistoryTest, ADragIsOneStepAndANewStrokeIsAnother) {
    TGarminObject& point = Point(0);
    const std::string firstRow = point.Pixels[Day][0];
    // One stroke across the first row, passing the first cell twice; then a second stroke.
    for (int col : {0, 1, 2, 1, 0})
        History.Push(std::make_unique<PaintStep>(Doc, point, Day, 0, col, 'Q', 1));
    History.Push(std::make_unique<PaintStep>(Doc, point, Day, 1, 0, 'Q', 2));
    EXPECT_EQ(History.Stack().count(), 2);
    EXPECT_EQ(point.Pixels[Day][0].substr(0, 3), "QQQ");
    History.Undo();
    EXPECT_EQ(point.Pixels[Day][0].substr(0, 3), "QQQ");
    EXPECT_NE(point.Pixels[Day][1][0], 'Q');
    History.Undo();
    EXPECT_EQ(point.Pixels[Day][0], firstRow);
    EXPECT_EQ(Snapshot(), Saved);
}

TEST_F(EditHistoryTest, TypingGroupsIntoWordsAndPauses) {
    TGarminObject& point = Point(0);
    std::vector<std::string> labels = point.Labels;
    StepTime now = 1000;
    auto type = [&](const std::string& text, StepTime pause = 100) {
        for (char c : text) {
            labels.back() += c;
            now += pause;
            auto step =
                std::make_unique<ObjectEditStep>(Doc, point, StepName::Labels(), [labels](TGarminObject& o) {
                    if (o.Labels == labels) return false;
                    o.Labels = labels;
                    return true;
                });
            step->SetMerging(MergeId::Labels, now, c == ' ');
            History.Push(std::move(step));
        }
    };
    // A blank closes the step it is typed into: " ", "big ", "river", then "s" after a pause.
    type(" big");
    type(" river");
    type("s", 5000);
    EXPECT_EQ(point.Labels.back(), "0x04,Road big rivers");
    EXPECT_EQ(History.Stack().count(), 4);
    History.Undo();
    EXPECT_EQ(point.Labels.back(), "0x04,Road big river");
    History.Undo();
    EXPECT_EQ(point.Labels.back(), "0x04,Road big ");
    History.Undo();
    EXPECT_EQ(point.Labels.back(), "0x04,Road ");
    History.Undo();
    EXPECT_EQ(Snapshot(), Saved);
}

TEST_F(EditHistoryTest, PropertyChangesOfOneControlMergeAndGoingBackLeavesNoStep) {
    TGarminObject& line = *Doc.LineList[0];
    auto width = [&](int value, StepTime time) {
        auto step =
            std::make_unique<ObjectEditStep>(Doc, line, QStringLiteral("Ширина линии"),
                                             [value](TGarminObject& o) { return SetLineWidth(o, value); });
        step->SetMerging(MergeId::LineWidth, time);
        History.Push(std::move(step));
    };
    line.LineWidth = 5;
    const int start = line.LineWidth;
    width(start + 1, 0);
    width(start + 2, 100);
    EXPECT_EQ(History.Stack().count(), 1);
    width(start + 1, 200);
    width(start, 300);
    EXPECT_EQ(History.Stack().count(), 0);
    EXPECT_FALSE(Doc.Modified);
}

TEST_F(EditHistoryTest, ModifiedFollowsTheSavedState) {
    History.Push(std::make_unique<PaintStep>(Doc, Point(0), Day, 0, 0, 'Q', 1));
    History.Push(std::make_unique<PaintStep>(Doc, Point(0), Day, 0, 1, 'Q', 2));
    History.MarkSaved();
    EXPECT_FALSE(Doc.Modified);
    History.Undo();
    EXPECT_TRUE(Doc.Modified);
    History.Redo();
    EXPECT_FALSE(Doc.Modified);
    // A new step after undoing past the saved state makes it unreachable: modified for good.
    History.Undo();
    History.Undo();
    History.Push(std::make_unique<PaintStep>(Doc, Point(1), Day, 0, 0, 'Q', 3));
    History.Undo();
    EXPECT_TRUE(Doc.Modified);
    // A new file starts a new history.
    History.Restart();
    EXPECT_FALSE(Doc.Modified);
    EXPECT_FALSE(History.Stack().canUndo());
}

} // namespace
} // namespace velmora
