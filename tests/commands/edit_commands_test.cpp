#include "commands/edit_commands.h"

#include "commands/clipboard_record.h"
#include "commands/label_style.h"
#include "model/text_format.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

// A document opened from a file: a point with a day and a night bitmap, a line with a bitmap, a line
// of colour squares and a polygon; nothing modified.
class EditCommandsTest : public testing::Test {
  protected:
    void SetUp() override {
        Add(KindPoint, 0x2F, [](NewObjectSettings& s) { s.DayAndNight = true; });
        Add(KindLine, 0x01, [](NewObjectSettings&) {});
        Add(KindLine, 0x02, [](NewObjectSettings& s) {
            s.NoBitmap = true;
            s.LineWidth = 3;
            s.BorderWidth = 1;
        });
        Add(KindPolygon, 0x4E, [](NewObjectSettings&) {});
        Doc.PointList[0]->Labels = {"0x04,Fuel"};
        Doc.HeaderLines = {"[_id]", "FID=1", "[end]"};
        History.Restart();
    }

    void Add(uint8_t kind, uint32_t type, const std::function<void(NewObjectSettings&)>& adjust) {
        NewObjectSettings settings;
        settings.Kind = kind;
        settings.Width = 4;
        settings.Height = 4;
        adjust(settings);
        auto object = std::make_unique<TGarminObject>(BuildNewObject(settings));
        object->TypeCode = type;
        Doc.List(kind).push_back(std::move(object));
    }

    // A fresh document and history for the next case.
    void Reset() {
        History.Restart();
        Doc = TypDocument();
        SetUp();
    }

    // The whole document as its file would say it.
    std::string Text() const { return WriteTextTyp(Doc, "date"); }

    TGarminObject& Swatches() { return *Doc.LineList[1]; }

    TypDocument Doc;
    EditHistory History{Doc};
};

struct CommandCase {
    const char* Name;
    // Runs the command; its answer: whether it changed the document.
    std::function<bool(EditHistory&, TypDocument&)> Run;
    // What the document holds after the change.
    std::function<bool(const TypDocument&)> Holds;
    const char* StepText; // the name "Отменить: ..." shows
};

std::vector<uint8_t> PointBlock() {
    NewObjectSettings settings;
    settings.TypeText = "2a";
    return EncodeClipboardRecord(BuildNewObject(settings));
}

const TGarminObject& PointOf(const TypDocument& d) {
    return *d.PointList[0];
}
const TGarminObject& LineOf(const TypDocument& d) {
    return *d.LineList[0];
}

TEST_F(EditCommandsTest, EachCommandChangesTheDocumentAsOneStepThatUndoAndRedoFollowAndMakesItModified) {
    const SymbolEdit recode{"Q", false, 0x123456};
    const std::vector<CommandCase> cases = {
        {"paint",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Paint(h, d, *d.PointList[0], {Day, 1, '1'}, 2, 3, 1);
         },
         [](const TypDocument& d) { return PointOf(d).Pixels[Day][2][3] == '1'; }, "Рисование"},
        {"recolour",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Recolour(h, d, *d.LineList[1], Day, 0, 0x00FF00, {});
         },
         [](const TypDocument& d) { return d.LineList[1]->Colours[Day][0].Colour() == 0x00FF00u; },
         "Изменение цвета"},
        {"change colour entry",
         [&](EditHistory& h, TypDocument& d) {
             return Edit::ChangeColourEntry(h, d, *d.PointList[0], Night, 1, recode);
         },
         [](const TypDocument& d) { return PointOf(d).Colours[Night][1].Code == 'Q'; }, "Изменение цвета"},
        {"add colour entry",
         [&](EditHistory& h, TypDocument& d) {
             return Edit::AddColourEntry(h, d, *d.PointList[0], Day, recode);
         },
         [](const TypDocument& d) { return PointOf(d).XpmHeader[Day].ColourCount == 5; }, "Добавление цвета"},
        {"line width",
         [](EditHistory& h, TypDocument& d) { return Edit::SetLineWidth(h, d, *d.LineList[1], 9, 0); },
         [](const TypDocument& d) { return d.LineList[1]->LineWidth == 9; }, "Ширина линии"},
        {"border width",
         [](EditHistory& h, TypDocument& d) { return Edit::SetBorderWidth(h, d, *d.LineList[1], 5, 0); },
         [](const TypDocument& d) { return d.LineList[1]->BorderWidth == 5; }, "Ширина бордюра"},
        {"orientation",
         [](EditHistory& h, TypDocument& d) { return Edit::SetOrientation(h, d, *d.LineList[0], 1, 0); },
         [](const TypDocument& d) { return LineOf(d).UseOrientation == 1; }, "Ориентация"},
        {"chars per pixel",
         [](EditHistory& h, TypDocument& d) { return Edit::SetCharsPerPixel(h, d, *d.PointList[0], 2, 0); },
         [](const TypDocument& d) { return PointOf(d).XpmHeader[Night].CharsPerPixel == 2; },
         "Повторяемость"},
        {"font style",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetFontStyle(h, d, *d.PointList[0], FontSmall, 0);
         },
         [](const TypDocument& d) { return PointOf(d).FontStyle == FontSmall; }, "Шрифт подписи"},
        {"night label colour",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetLabelColour(h, d, *d.PointList[0], Night, 0xFF, 0);
         },
         [](const TypDocument& d) {
             return PointOf(d).NightLabelColour == 0xFFu && !PointOf(d).DayLabelColour;
         },
         "Цвет подписи"},
        {"retype",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Retype(h, d, *d.PointList[0], "0x2f01    АЗС") == "2f/01";
         },
         [](const TypDocument& d) { return PointOf(d).SubTypeCode == 1; }, "Смена типа"},
        {"labels",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetLabels(h, d, *d.PointList[0], {"0x04,Fuel", "0x19,АЗС"}, 0);
         },
         [](const TypDocument& d) { return PointOf(d).Labels.size() == 2; }, "Названия"},
        {"label line",
         [](EditHistory& h, TypDocument& d) {
             return Edit::AddLabelLine(h, d, *d.PointList[0], "0x19 - russian");
         },
         [](const TypDocument& d) { return PointOf(d).Labels.back() == "0x19,"; }, "Строка названия"},
        {"header",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetHeaderLines(h, d, {"[_id]", "FID=2", "[end]"}, 0);
         },
         [](const TypDocument& d) { return d.HeaderLines[1] == "FID=2"; }, "Заголовок"},
        {"create",
         [](EditHistory& h, TypDocument& d) {
             NewObjectSettings settings;
             settings.Kind = KindPolygon;
             return Edit::Create(h, d, settings).Kind == KindPolygon;
         },
         [](const TypDocument& d) { return d.PolygonList.size() == 2; }, "Создание объекта"},
        {"delete", [](EditHistory& h, TypDocument& d) { return Edit::Delete(h, d, KindLine, 0); },
         [](const TypDocument& d) {
             return d.LineList.size() == 1 && d.LineList[0]->TypeCode == 2 && !d.CurrentObject;
         },
         "Удаление объекта"},
        {"paste", [](EditHistory& h, TypDocument& d) { return Edit::Paste(h, d, PointBlock()); },
         [](const TypDocument& d) { return d.PointList.size() == 2 && d.PointList[1]->TypeCode == 0x2A; },
         "Вставка объекта"},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        Doc.CurrentObject = Doc.LineList[0].get();
        const std::string before = Text();
        ASSERT_FALSE(Doc.Modified);

        EXPECT_TRUE(c.Run(History, Doc));
        const std::string after = Text();
        EXPECT_NE(after, before);
        EXPECT_TRUE(c.Holds(Doc));
        EXPECT_TRUE(Doc.Modified);
        EXPECT_EQ(History.Stack().count(), 1);
        EXPECT_EQ(History.Stack().undoText(), QString::fromUtf8(c.StepText));

        History.Undo();
        EXPECT_EQ(Text(), before);
        EXPECT_FALSE(Doc.Modified);
        History.Redo();
        EXPECT_EQ(Text(), after);
        EXPECT_TRUE(c.Holds(Doc));
        EXPECT_TRUE(Doc.Modified);
    }
}

TEST_F(EditCommandsTest, ACommandThatChangesNothingLeavesNoStepAndTheDocumentUnmodified) {
    struct NoChange {
        const char* Name;
        std::function<bool(EditHistory&, TypDocument&)> Run;
    };
    const std::vector<NoChange> cases = {
        {"paint with the code the cell has",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Paint(h, d, *d.PointList[0], {Day, 0, '~'}, 0, 0, 1);
         }},
        {"paint outside the plane",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Paint(h, d, *d.PointList[0], {Day, 1, '1'}, 9, 0, 1);
         }},
        {"recolour with the colour it has",
         [](EditHistory& h, TypDocument& d) {
             TGarminObject& o = *d.LineList[1];
             return Edit::Recolour(h, d, o, Day, 0, o.Colours[Day][0].Colour(), {});
         }},
        {"recolour outside the table",
         [](EditHistory& h, TypDocument& d) { return Edit::Recolour(h, d, *d.LineList[1], Day, 40, 1, {}); }},
        {"colour entry with an empty code",
         [](EditHistory& h, TypDocument& d) {
             return Edit::ChangeColourEntry(h, d, *d.PointList[0], Day, 1, {"", false, 0});
         }},
        {"colour entry added to a line",
         [](EditHistory& h, TypDocument& d) {
             return Edit::AddColourEntry(h, d, *d.LineList[0], Day, {"z", false, 0});
         }},
        {"the line width it has",
         [](EditHistory& h, TypDocument& d) { return Edit::SetLineWidth(h, d, *d.LineList[1], 3, 0); }},
        {"orientation it has",
         [](EditHistory& h, TypDocument& d) { return Edit::SetOrientation(h, d, *d.LineList[0], 0, 0); }},
        {"font style out of range",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetFontStyle(h, d, *d.PointList[0], uint8_t(MaxFontStyle + 1), 0);
         }},
        {"label colour none again",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetLabelColour(h, d, *d.PointList[0], Day, std::nullopt, 0);
         }},
        {"retype to the type it has",
         [](EditHistory& h, TypDocument& d) {
             return !Edit::Retype(h, d, *d.PointList[0], "0x2f00    x").has_value();
         }},
        {"retype with a row without x",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Retype(h, d, *d.PointList[0], "2f01").has_value();
         }},
        {"the labels it has",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetLabels(h, d, *d.PointList[0], {"0x04,Fuel"}, 0);
         }},
        {"a language row too short",
         [](EditHistory& h, TypDocument& d) { return Edit::AddLabelLine(h, d, *d.PointList[0], "0x"); }},
        {"the header it has",
         [](EditHistory& h, TypDocument& d) {
             return Edit::SetHeaderLines(h, d, {"[_id]", "FID=1", "[end]"}, 0);
         }},
        {"delete outside the list",
         [](EditHistory& h, TypDocument& d) { return Edit::Delete(h, d, KindPolygon, 1); }},
        {"delete of no kind", [](EditHistory& h, TypDocument& d) { return Edit::Delete(h, d, 3, 0); }},
        {"paste of a damaged block",
         [](EditHistory& h, TypDocument& d) {
             return Edit::Paste(h, d, std::vector<uint8_t>{1, 2, 3});
         }},
    };
    for (const NoChange& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        const std::string before = Text();
        EXPECT_FALSE(c.Run(History, Doc));
        EXPECT_EQ(Text(), before);
        EXPECT_EQ(History.Stack().count(), 0);
        EXPECT_FALSE(Doc.Modified);
    }
}

TEST_F(EditCommandsTest, ChangesOfOneControlMergeWhileTheUserGoesOnAndUndoAsOne) {
    TGarminObject& swatches = Swatches();
    for (int value = 4; value <= 8; ++value)
        Edit::SetLineWidth(History, Doc, swatches, value, value * 100);
    Edit::SetBorderWidth(History, Doc, swatches, 6, 900);
    EXPECT_EQ(History.Stack().count(), 2) << "a new control starts a new step";
    Edit::SetLineWidth(History, Doc, swatches, 2, 5000);
    EXPECT_EQ(History.Stack().count(), 3) << "after a pause the same control starts a new step";
    History.Undo();
    History.Undo();
    History.Undo();
    EXPECT_EQ(swatches.LineWidth, 3);
    EXPECT_EQ(swatches.BorderWidth, 1);
    EXPECT_FALSE(Doc.Modified);
}

TEST_F(EditCommandsTest, UndoBackToTheSavedStateIsUnmodifiedAndSavingMakesTheStateNowTheFiles) {
    Edit::SetLineWidth(History, Doc, Swatches(), 7, 0);
    History.MarkSaved();
    EXPECT_FALSE(Doc.Modified);
    History.Undo();
    EXPECT_TRUE(Doc.Modified) << "the file says 7 now";
    History.Redo();
    EXPECT_FALSE(Doc.Modified);
}

} // namespace
} // namespace velmora
