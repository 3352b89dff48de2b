#include "app/language.h"
#include "model/text_format.h"
#include "tests/app/window_fixture.h"
#include "view/matrix.h"
#include "view/render.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

namespace velmora {
namespace {

using DisplayTest = WindowTest;

// Everything of an object that a file or the clipboard carries.
struct ObjectSnapshot {
    uint8_t Kind;
    uint32_t TypeCode, SubTypeCode;
    int32_t UseOrientation;
    std::vector<std::string> Labels;
    uint8_t LineWidth, BorderWidth;
    std::array<TXpmHeader, 2> XpmHeader;
    std::array<std::vector<TColourEntry>, 2> Colours;
    std::array<std::vector<std::string>, 2> Pixels;
    std::optional<uint8_t> FontStyle;
    std::optional<uint32_t> DayLabelColour, NightLabelColour;
    std::array<std::vector<uint8_t>, 2> Alpha;
    std::vector<TKeptLine> KeptLines;
    friend bool operator==(const ObjectSnapshot&, const ObjectSnapshot&) = default;
};

ObjectSnapshot Snapshot(const TGarminObject& o) {
    return {o.Kind,      o.TypeCode,       o.SubTypeCode,      o.UseOrientation, o.Labels,
            o.LineWidth, o.BorderWidth,    o.XpmHeader,        o.Colours,        o.Pixels,
            o.FontStyle, o.DayLabelColour, o.NightLabelColour, o.Alpha,          o.KeptLines};
}

std::vector<ObjectSnapshot> SnapshotAll(const TypDocument& doc) {
    std::vector<ObjectSnapshot> all;
    for (int kind : {KindPoint, KindLine, KindPolygon})
        for (const auto& object : doc.List(kind))
            all.push_back(Snapshot(*object));
    return all;
}

// Shows every object of every kind by day and by night, zooms and resizes, as a user browsing would.
void BrowseEverything(TForm1& form) {
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        form.SetChosenKindSilently(kind);
        form.RadioGroup1Click();
        for (int i = 0; i < form.ComboBox1->count(); ++i) {
            form.ComboBox1->setCurrentIndex(i);
            form.ComboBox1Change();
            for (int view : {Night, Day}) {
                if (!form.RadioGroup2Box->isEnabled()) continue;
                form.SetShownViewSilently(view);
                form.RadioGroup2Click();
            }
            form.ScrollBar1->setValue(7);
            form.ScrollBar1->setValue(20);
        }
    }
    form.ScrollBox1->resize(form.ScrollBox1->size() + QSize(13, 7));
}

class BrowsingTest : public WindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(BrowsingTest, ShowingZoomingAndSwitchingViewsNeverChangeTheDocument) {
    const QString name = QString::fromLatin1(GetParam());
    const QString path = name.startsWith(u'@') ? CorpusFile(GetParam() + 1) : TestDataFile(GetParam());
    if (!QFile::exists(path)) GTEST_SKIP() << "not found: " << path.toStdString();
    OpenText(path);
    const std::vector<ObjectSnapshot> before = SnapshotAll(Form->Document);
    const std::vector<std::string> header = Form->Document.HeaderLines;
    BrowseEverything(*Form);
    EXPECT_TRUE(SnapshotAll(Form->Document) == before);
    EXPECT_EQ(Form->Document.HeaderLines, header);
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Form->close()) << "closing after browsing asks nothing";
}

INSTANTIATE_TEST_SUITE_P(Files, BrowsingTest,
                         testing::Values("window.txt", "@freizeit.txt", "@opentopomap.txt"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param[0] == '@' ? info.param + 1 : info.param;
                             for (char& c : name)
                                 if (!std::isalnum(uint8_t(c))) c = '_';
                             return name;
                         });

TEST_F(DisplayTest, CopyingTracingAndSavingAPictureAreNotEditing) {
    OpenText(TestDataFile("window.txt"));
    const QString picture = TempFile("shown.bmp");
    Prompts.AnswerSaveFile(picture);
    Form->ToolButton7Click();
    ASSERT_TRUE(QFile::exists(picture));
    Prompts.AnswerOpenFile(picture);
    Form->ToolButton6Click();
    Form->ToolButton10Click();
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Prompts.Messages().empty());
}

// The window keeps one magnified picture, the shown object's, however many objects were shown.
TEST_F(DisplayTest, TheOneMatrixPictureIsTheShownObjects) {
    VELMORA_NEED_CORPUS("freizeit.txt");
    OpenText(CorpusFile("freizeit.txt"));
    BrowseEverything(*Form);
    const TGarminObject* shown = Form->Document.CurrentObject;
    ASSERT_TRUE(shown && shown->Quadrat);
    EXPECT_EQ(Form->MatrixImage.size(), MatrixSize(*shown->Quadrat));
    EXPECT_EQ(Form->Image1->Picture(), Form->MatrixImage);
}

// The one picture is drawn afresh for each object shown: a template laid over one object is gone
// when the object is shown again after another.
TEST_F(DisplayTest, ShowingAnObjectAgainDrawsItAfresh) {
    OpenText(TestDataFile("window.txt"));
    ChooseObject(0);
    const QImage first = Form->Image1->Picture();
    Prompts.AnswerOpenFile(std::nullopt);
    Form->ToolButton6Click(); // no picture chosen: the template grid on white
    ASSERT_NE(Form->Image1->Picture(), first);
    ChooseObject(1);
    ChooseObject(0);
    EXPECT_EQ(Form->Image1->Picture(), first);
}

TEST_F(DisplayTest, ClampedFieldsShowTheirRangeWhileTheObjectKeepsItsValues) {
    OpenText(TestDataFile("window.txt"));
    ChooseObject(1); // a point 32 pixels wide
    EXPECT_EQ(Form->SpinEdit4->value(), 24);
    EXPECT_EQ(Form->Document.PointList[1]->XpmHeader[Day].Width, 32);

    ChooseKind(KindLine); // the first line has LineWidth 0, which "Ширина линии" cannot show
    EXPECT_EQ(Form->SpinEdit1->value(), 1);
    EXPECT_EQ(Form->Document.LineList[0]->LineWidth, 0);
    EXPECT_EQ(Form->SpinEdit2->value(), 2);
    EXPECT_TRUE(Form->SpinEdit1->isEnabled());
}

TEST_F(DisplayTest, ShowingAPointDoesNotCopyCharsPerPixelIntoBothHeaders) {
    OpenText(TestDataFile("window.txt"));
    TGarminObject& point = *Form->Document.PointList[0];
    EXPECT_EQ(Form->SpinEdit6->value(), 2);
    Form->SetShownViewSilently(Night);
    Form->RadioGroup2Click();
    ChooseObject(1);
    ChooseObject(0);
    EXPECT_EQ(point.XpmHeader[Day].CharsPerPixel, 2);
    EXPECT_EQ(point.XpmHeader[Night].CharsPerPixel, 1);
}

// A change the user makes in a property control is written and marks the document changed.
struct PropertyCase {
    const char* Name;
    int Kind;
    int Index;
    std::function<void(TForm1&)> Change;
    std::function<bool(const TGarminObject&)> Written;
};

class PropertyWriteTest : public WindowTest, public testing::WithParamInterface<PropertyCase> {};

TEST_P(PropertyWriteTest, UserChangeIsWrittenAndSetsModified) {
    const PropertyCase& c = GetParam();
    OpenText(TestDataFile("window.txt"));
    ChooseKind(c.Kind);
    ChooseObject(c.Index);
    ASSERT_FALSE(Form->Document.Modified);
    c.Change(*Form);
    EXPECT_TRUE(c.Written(*Form->Document.CurrentObject));
    EXPECT_TRUE(Form->Document.Modified);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PropertyWriteTest,
    testing::Values(
        PropertyCase{"LineWidth", KindLine, 0, [](TForm1& f) { f.SpinEdit1->setValue(5); },
                     [](const TGarminObject& o) { return o.LineWidth == 5; }},
        PropertyCase{"BorderWidth", KindLine, 0, [](TForm1& f) { f.SpinEdit2->setValue(4); },
                     [](const TGarminObject& o) { return o.BorderWidth == 4; }},
        PropertyCase{"Orientation", KindLine, 1, [](TForm1& f) { f.ComboBox5->setCurrentIndex(0); },
                     [](const TGarminObject& o) { return o.UseOrientation == 0; }},
        PropertyCase{"CharsPerPixelOfBothViews", KindPoint, 0, [](TForm1& f) { f.SpinEdit6->setValue(1); },
                     [](const TGarminObject& o) {
                         return o.XpmHeader[Day].CharsPerPixel == 1 && o.XpmHeader[Night].CharsPerPixel == 1;
                     }},
        PropertyCase{"Labels", KindPolygon, 0,
                     [](TForm1& f) {
                         f.LabelEditor->moveCursor(QTextCursor::End);
                         f.LabelEditor->insertPlainText(QStringLiteral("\n0x02,Wald"));
                     },
                     [](const TGarminObject& o) {
                         return o.Labels == std::vector<std::string>{"0x04,Forest", "0x02,Wald"};
                     }}),
    [](const testing::TestParamInfo<PropertyCase>& info) { return std::string(info.param.Name); });

TEST_F(DisplayTest, TypingInTheHeaderMemoChangesHeaderLinesAndSetsModified) {
    OpenText(TestDataFile("window.txt"));
    Form->Memo1->moveCursor(QTextCursor::End);
    Form->Memo1->insertPlainText(QStringLiteral("\n;Über"));
    EXPECT_EQ(Form->Document.HeaderLines.back(), ";\xDC"
                                                 "ber");
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(DisplayTest, LabelsAreShownDecodedAndUneditedLinesAreSavedByteForByte) {
    OpenText(TestDataFile("points_only.txt")); // no code page: windows-1251, one undefined byte 0x98
    EXPECT_EQ(Form->TextEncoding, QByteArray("windows-1251"));
    const std::vector<std::string> labels = Form->Document.PointList[0]->Labels;
    EXPECT_TRUE(Form->LabelEditor->toPlainText().startsWith(QStringLiteral("0x19,Почта\n")));
    Form->LabelEditor->moveCursor(QTextCursor::End);
    Form->LabelEditor->insertPlainText(QStringLiteral("\n0x19,Ж"));
    Prompts.AnswerSaveFile(TempFile("labels.txt"));
    Form->SaveAs1Click();
    const std::string saved = FileBytes(TempFile("labels.txt"));
    EXPECT_NE(saved.find("string1=" + labels[0] + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("string2=" + labels[1] + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("string3=0x19,\xC6\r\n"), std::string::npos);
}

TEST_F(DisplayTest, TypedCharactersOutsideTheCodePageBecomeQuestionMarksAndTheUserIsTold) {
    OpenText(TestDataFile("window.txt")); // Codepage=1252
    EXPECT_EQ(Form->TextEncoding, QByteArray("windows-1252"));
    EXPECT_TRUE(Form->LabelEditor->toPlainText().startsWith(QStringLiteral("0x01,Café\n")));
    Form->LabelEditor->moveCursor(QTextCursor::End);
    Form->LabelEditor->insertPlainText(QStringLiteral("Ж"));
    EXPECT_EQ(Form->Document.PointList[0]->Labels[1], "0x04,Cafe?");
    EXPECT_EQ(Form->LabelEditor->toPlainText(), QStringLiteral("0x01,Café\n0x04,Cafe?"));
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("windows-1252")));
}

TEST_F(DisplayTest, Utf8FilesShowTheirLabelsAsUtf8) {
    VELMORA_NEED_CORPUS("freizeit.txt");
    OpenText(CorpusFile("freizeit.txt"));
    EXPECT_EQ(Form->TextEncoding, QByteArray("UTF-8"));
    bool anyNonAscii = false;
    for (const auto& object : Form->Document.PointList)
        for (const std::string& label : object->Labels)
            if (std::any_of(label.begin(), label.end(), [](char c) { return uint8_t(c) >= 0x80; })) {
                QString shown = Form->DecodeText(label);
                EXPECT_FALSE(shown.contains(QChar::ReplacementCharacter)) << label;
                anyNonAscii = true;
            }
    EXPECT_TRUE(anyNonAscii);
}

// A UTF-8 file that names code page 1252 keeps the 1251 head lines the compiler can read; opened
// again, its labels still show as UTF-8.
TEST_F(DisplayTest, Utf8FileNamingAnotherCodePageShowsUtf8LabelsAfterItsSave) {
    const QString path = TempFile("utf8.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[_id]\r\nCodePage=1252\r\n[end]\r\n[_point]\r\nType=0x2f\r\nSubType=0x01\r\n"
                   "String1=0x04,Caf\xC3\xA9\r\n[end]\r\n");
    }
    OpenText(path);
    Prompts.AnswerSaveFile(path);
    Form->SaveAs1Click();
    OpenText(path);
    EXPECT_EQ(Form->TextEncoding, QByteArray("UTF-8"));
    EXPECT_EQ(Form->LabelEditor->toPlainText(), QStringLiteral("0x04,Café"));
}

TEST_F(DisplayTest, ZoomResizesAndCentresThePicture) {
    OpenText(TestDataFile("window.txt"));
    Form->ScrollBox1->resize(424, 486);
    Form->ScrollBar1->setValue(5);
    EXPECT_EQ(Form->Image1->size(), QSize(20, 10));
    EXPECT_EQ(Form->Image1->pos(), QPoint(424 / 2 - 10, 486 / 2 - 5));
    EXPECT_EQ(Form->Document.PointList[0]->Quadrat->CellSize, 5);
    ChooseObject(1);
    EXPECT_EQ(Form->ScrollBar1->value(), 20) << "each object keeps its own zoom";
    ChooseObject(0);
    EXPECT_EQ(Form->ScrollBar1->value(), 5);
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(DisplayTest, PointWithoutNightBitmapFallsBackToDay) {
    OpenText(TestDataFile("window.txt"));
    EXPECT_TRUE(Form->RadioGroup2Box->isEnabled());
    Form->SetShownViewSilently(Night);
    Form->RadioGroup2Click();
    EXPECT_EQ(Form->Edit2->text(), QStringLiteral("800000"));
    ChooseObject(1);
    EXPECT_EQ(Form->ShownView(), Day);
    EXPECT_FALSE(Form->RadioGroup2Box->isEnabled());
    EXPECT_EQ(Form->Edit2->text(), QStringLiteral("00FF00"));
}

TEST_F(DisplayTest, SwatchLabelsStandBesideALineWithoutBitmapOnly) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    EXPECT_EQ(Form->ComboBox1->itemText(0), QStringLiteral("01    Автомагистраль"));
    EXPECT_EQ(Form->ComboBox1->itemText(1), QStringLiteral("18    Ручей"));
    EXPECT_EQ(Form->Image1->size(), QSize(100, 400));
    const QPoint origin = Form->Image1->pos();
    for (QLabel* label : Form->SwatchLabels)
        EXPECT_FALSE(label->isHidden()) << label->text().toStdString();
    EXPECT_EQ(Form->Label1->pos(), origin + QPoint(-40, 96));
    EXPECT_EQ(Form->Label6->pos(), origin + QPoint(110, 346));
    EXPECT_EQ(Form->ComboBox2->count(), 4);

    Form->ScrollBox1->resize(Form->ScrollBox1->size() + QSize(40, 20));
    EXPECT_EQ(Form->Label1->pos(), Form->Image1->pos() + QPoint(-40, 96)) << "labels follow the picture";

    ChooseObject(1);
    for (QLabel* label : Form->SwatchLabels)
        EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(Form->ComboBox5->isEnabled());
    EXPECT_EQ(Form->ComboBox5->currentText(), QStringLiteral("Y"));
}

TEST_F(DisplayTest, KindWithoutObjectsShowsNothing) {
    OpenText(TestDataFile("points_only.txt"));
    ChooseKind(KindPolygon);
    EXPECT_EQ(Form->ComboBox1->count(), 0);
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
    EXPECT_TRUE(Form->Image1->Picture().isNull());
    EXPECT_EQ(Form->ComboBox2->count(), 0);
    EXPECT_TRUE(Form->Edit2->text().isEmpty());
    EXPECT_TRUE(Form->LabelEditor->toPlainText().isEmpty());
    EXPECT_FALSE(Form->LabelEditor->isEnabled());
    EXPECT_EQ(Form->ComboBox4->count(), 53);
}

TEST_F(DisplayTest, AnObjectWithoutAnyBitmapIsShownWithoutPicture) {
    OpenText(TestDataFile("points_only.txt"));
    ASSERT_EQ(Form->ComboBox1->count(), 2);
    ChooseObject(1);
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PointList[1].get());
    EXPECT_FALSE(Form->Document.PointList[1]->Quadrat.has_value());
    EXPECT_TRUE(Form->Image1->Picture().isNull());
    EXPECT_EQ(Form->LabelEditor->toPlainText(), QStringLiteral("0x04,No picture"));
    Form->ScrollBar1->setValue(3);
    Form->ScrollBox1->resize(300, 300);
    EXPECT_TRUE(Form->Image1->Picture().isNull());
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(DisplayTest, TheLabelEditorFollowsTheSelection) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    EXPECT_EQ(Form->LabelEditor->toPlainText(), QStringLiteral("0x04,Road"));
    ChooseObject(1);
    EXPECT_EQ(Form->LabelEditor->toPlainText(), QStringLiteral("0x04,Stream"));
    EXPECT_EQ(Form->PropertyColumn->findChildren<QPlainTextEdit*>().size(), 1);
    EXPECT_FALSE(Form->Document.Modified);
}

// The rows of the object list that its filter leaves in it.
std::vector<int> ListedRows(const TForm1& form) {
    std::vector<int> rows;
    for (int row = 0; row < form.ComboBox1->count(); ++row)
        if (!qobject_cast<QListView*>(form.ComboBox1->view())->isRowHidden(row)) rows.push_back(row);
    return rows;
}

TEST_F(DisplayTest, ObjectListNamesEachObjectAndItsFilterNarrowsIt) {
    OpenText(TestDataFile("window.txt"));
    // An object the catalogue does not name is listed by its first label.
    TGarminObject& second = *Form->Document.PointList[1];
    second.TypeCode = 0x7E;
    second.Labels = {"0x04,Bakery", "0x02,Baeckerei"};
    Form->RadioGroup1Click();
    EXPECT_EQ(Form->ComboBox1->itemText(0), QStringLiteral("2F/0B    Автостоянка"));
    EXPECT_EQ(Form->ComboBox1->itemText(1), QStringLiteral("7E/00    Bakery"));
    // The closed list shows the start of a long entry: its code.
    EXPECT_EQ(Form->ComboBox1->lineEdit()->cursorPosition(), 0);
    ChooseObject(1);
    EXPECT_EQ(Form->ComboBox1->lineEdit()->cursorPosition(), 0);

    struct Case {
        const char* Filter;
        std::vector<int> Rows;
    };
    for (const Case& c : {Case{"bak", {1}}, Case{"BAECK", {1}}, Case{"0x2f0B", {0}}, Case{"2F/0", {0}},
                          Case{"cafe", {0}}, Case{"автост", {0}}, Case{"", {0, 1}}}) {
        Form->ObjectFilter->setText(QString::fromUtf8(c.Filter));
        EXPECT_EQ(ListedRows(*Form), c.Rows) << c.Filter;
        ASSERT_NE(Form->Document.CurrentObject, nullptr) << c.Filter;
        EXPECT_EQ(Form->ComboBox1->currentIndex(), c.Rows.front())
            << c.Filter << ": the first object left is shown";
    }
    Form->ObjectFilter->setText(QStringLiteral("bak"));
    ChooseKind(KindLine);
    EXPECT_TRUE(ListedRows(*Form).empty()) << "the filter stays for the other kinds";

    // Nothing left to show: the property column holds no value of the object shown before.
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
    for (QSpinBox* spin : {Form->SpinEdit1, Form->SpinEdit2, Form->SpinEdit3, Form->SpinEdit4,
                           Form->SpinEdit5, Form->SpinEdit6})
        EXPECT_TRUE(spin->text().trimmed().isEmpty()) << spin->objectName().toStdString();
    EXPECT_EQ(Form->ComboBox5->currentText(), QStringLiteral("N")) << "as at the start";
    EXPECT_TRUE(Form->Edit2->text().isEmpty());
    EXPECT_EQ(Form->ComboBox2->count(), 0);
    EXPECT_TRUE(Form->LabelEditor->toPlainText().isEmpty());
    Form->ObjectFilter->clear();
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.LineList[0].get());
    EXPECT_FALSE(Form->SpinEdit1->text().trimmed().isEmpty());

    // Ctrl+F goes to the filter.
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->Image1->setFocus();
    QTest::keyClick(Form.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Form->ObjectFilter);
}

TEST_F(DisplayTest, ObjectListNamesInTheInterfacesLanguage) {
    const Translations language(UiLanguage::English);
    Form = std::make_unique<TForm1>(Prompts, Temp.path());
    OpenText(TestDataFile("window.txt"));
    const QString name = Form->ComboBox1->itemText(0).section(QStringLiteral("    "), 1);
    EXPECT_EQ(name, QCoreApplication::translate("Catalogue", "Автостоянка"));
    EXPECT_FALSE(name.isEmpty());
    EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")))) << name.toStdString();
}

} // namespace
} // namespace velmora
