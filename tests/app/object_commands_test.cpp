#include "tests/app/editing_fixture.h"

#include "commands/clipboard_record.h"
#include "dialogs/Thr.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QThread>

namespace velmora {
namespace {

using ObjectCommandsTest = EditingTest;

std::vector<uint32_t> Types(const ObjectList& list) {
    std::vector<uint32_t> types;
    for (const auto& object : list)
        types.push_back(object->TypeCode);
    return types;
}

TEST_F(ObjectCommandsTest, DeleteRemovesTheSelectedObjectAndShowsTheFirst) {
    for (uint32_t type : {0x31u, 0x32u, 0x33u}) {
        TGarminObject& polygon = Create(KindPolygon);
        polygon.TypeCode = type;
    }
    ChooseKind(KindPolygon);
    ChooseObject(1);
    Form->History->MarkSaved();
    Form->ToolButton4Click();
    EXPECT_EQ(Types(Form->Document.PolygonList), (std::vector<uint32_t>{0x31, 0x33}));
    EXPECT_EQ(Form->ComboBox1->count(), 2);
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PolygonList[0].get());
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(ObjectCommandsTest, DeletingTheOnlyLineLeavesAnEmptyView) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    Form->ToolButton4Click();
    Form->ToolButton4Click();
    EXPECT_TRUE(Form->Document.LineList.empty());
    EXPECT_EQ(Form->Document.PointList.size(), 2u);
    EXPECT_EQ(Form->Document.PolygonList.size(), 1u);
    EXPECT_EQ(Form->ComboBox1->count(), 0);
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
    EXPECT_TRUE(Form->Image1->Picture().isNull());
    Form->History->MarkSaved();
    Form->ToolButton4Click(); // nothing left: the view is only refreshed
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(ObjectCommandsTest, CopyPutsTheBlockOnTheSystemClipboardUnderGarmin) {
    TGarminObject& point = Create(KindPoint);
    Form->ToolButton10Click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("Garmin"));
    const std::vector<uint8_t> expected = EncodeClipboardRecord(point);
    EXPECT_EQ(data->data("Garmin"),
              QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size())));
}

TEST_F(ObjectCommandsTest, PasteAppendsAnIndependentCopyToItsOwnKind) {
    TGarminObject& point = Create(KindPoint);
    point.Labels = {"0x04,Fuel"};
    point.Pixels[Day][2][2] = '3';
    Form->ToolButton10Click();
    Create(KindLine);
    ChooseKind(KindLine);
    Form->History->MarkSaved();

    Form->ToolButton11Click();
    ASSERT_EQ(Form->Document.PointList.size(), 2u);
    const TGarminObject& copy = *Form->Document.PointList[1];
    EXPECT_EQ(copy.Pixels[Day], point.Pixels[Day]);
    EXPECT_EQ(copy.Labels, point.Labels);
    EXPECT_EQ(copy.XpmHeader, point.XpmHeader);
    EXPECT_TRUE(Form->Document.Modified);
    // The window still lists the lines and shows the first one.
    EXPECT_EQ(Form->ChosenKind(), KindLine);
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.LineList[0].get());

    // A pixel painted on the copy leaves the original as it was.
    ChooseKind(KindPoint);
    ChooseObject(1);
    Form->ComboBox2->setCurrentIndex(1);
    Click(Qt::LeftButton, CellCentre(0, 0));
    EXPECT_EQ(Form->Document.PointList[1]->Pixels[Day][0][0], '1');
    EXPECT_EQ(Form->Document.PointList[0]->Pixels[Day][0][0], '~');
}

TEST_F(ObjectCommandsTest, CopiedObjectTravelsToAnotherDocument) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    ChooseObject(1);
    Form->ToolButton10Click();
    OpenText(TestDataFile("points_only.txt"));
    const size_t lines = Form->Document.LineList.size();
    Form->ToolButton11Click();
    ASSERT_EQ(Form->Document.LineList.size(), lines + 1);
    EXPECT_EQ(Form->Document.LineList.back()->TypeCode, 0x18u);
    EXPECT_EQ(Form->Document.LineList.back()->UseOrientation, 1);
}

TEST_F(ObjectCommandsTest, PasteRefusesForeignAndDamagedClipboardContents) {
    Create(KindPoint);
    Form->History->MarkSaved();
    QGuiApplication::clipboard()->setText("just text");
    Form->ToolButton11Click();
    auto* damaged = new QMimeData;
    QByteArray block(40, '\0');
    block[0] = 7; // no such kind
    damaged->setData("Garmin", block);
    QGuiApplication::clipboard()->setMimeData(damaged);
    Form->ToolButton11Click();
    auto* shortBlock = new QMimeData;
    shortBlock->setData("Garmin", QByteArray(12, '\0'));
    QGuiApplication::clipboard()->setMimeData(shortBlock);
    Form->ToolButton11Click();
    EXPECT_EQ(Form->Document.PointList.size(), 1u);
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(ObjectCommandsTest, CopyWithoutCurrentObjectLeavesTheClipboard) {
    QGuiApplication::clipboard()->setText("kept");
    Form->ToolButton10Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

// The bits per pixel of a BMP file (biBitCount at offset 28).
int BmpBitCount(const QString& path) {
    const std::string bytes = FileBytes(path);
    return bytes.size() > 30 ? uint8_t(bytes[28]) | uint8_t(bytes[29]) << 8 : 0;
}

TEST_F(ObjectCommandsTest, SaveBmpWritesTheShownPictureIn24Bits) {
    Create(KindPoint);
    Form->History->MarkSaved();
    ASSERT_TRUE(ShowsCheckerboard(QPoint(10, 10))) << "the screen shows the transparent cell as such";
    Prompts.AnswerSaveFile(TempFile("point.bmp"));
    Form->ToolButton7Click();
    EXPECT_EQ(Prompts.Log.back().Save.Filter, "Файл bmp (*.bmp)");
    EXPECT_EQ(Prompts.Log.back().Save.DefaultSuffix, "bmp");
    EXPECT_TRUE(Prompts.Log.back().Save.AskOverwrite);
    const QImage saved(TempFile("point.bmp"));
    EXPECT_EQ(saved.size(), QSize(320, 320));
    EXPECT_EQ(BmpBitCount(TempFile("point.bmp")), 24);
    EXPECT_EQ(saved.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(saved.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(ObjectCommandsTest, TemplateIsStretchedUnderTheGridAndStaysWhilePainting) {
    QImage red(64, 64, QImage::Format_RGB888);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(TempFile("red.bmp"), "BMP"));
    TGarminObject& point = Create(KindPoint);
    Form->History->MarkSaved();
    Prompts.AnswerOpenFile(TempFile("red.bmp"));
    Form->ToolButton6Click();
    EXPECT_EQ(Prompts.Log.back().Open.Filter, "Рисунок (*.bmp)");
    EXPECT_EQ(Shown(QPoint(10, 10)), QColor(255, 0, 0));
    EXPECT_EQ(Shown(QPoint(20, 10)), QColor(Qt::black));
    EXPECT_EQ(Shown(QPoint(319, 10)), QColor(255, 0, 0)) << "no line closes the right edge";
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(point.Pixels[Day][0][0], '~');

    Form->ComboBox2->setCurrentIndex(2); // green
    Click(Qt::LeftButton, CellCentre(0, 0));
    EXPECT_EQ(Shown(QPoint(10, 10)), QColor(0, 128, 0));
    EXPECT_EQ(Shown(QPoint(30, 10)), QColor(255, 0, 0)) << "the template stays around the painted cell";

    // Cancelling the dialog lays the same picture again; selecting the object removes it.
    ChooseObject(0);
    EXPECT_TRUE(ShowsCheckerboard(QPoint(30, 10))) << "the transparent cell without the template";
    Prompts.AnswerOpenFile(std::nullopt);
    Form->ToolButton6Click();
    EXPECT_EQ(Shown(QPoint(30, 10)), QColor(255, 0, 0));
}

TEST_F(ObjectCommandsTest, TemplateIsNotOfferedForALineWithoutBitmap) {
    Create(KindLine, [&] { Form->CheckBox1->click(); });
    Form->ToolButton6Click();
    EXPECT_TRUE(Prompts.Log.empty());
}

TEST_F(ObjectCommandsTest, CompilerQuestionYesStopsAndNoOpensTheDialog) {
    ChooseOutsideCompiler();
    OpenText(TestDataFile("window.txt"));
    Form->Document.Modified = true;
    Prompts.AnswerQuestion(Answer::Yes);
    Form->ToolButton9Click();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::Compiler), 0u);
    EXPECT_EQ(Prompts.Questions().back(), "Были внесены изменения!\rФайл надо записать?");
    EXPECT_EQ(Prompts.Log.back().Buttons, QuestionButtons::YesNo);

    Prompts.AnswerQuestion(Answer::No);
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->ToolButton9Click();
    ASSERT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::Compiler), 1u);
    const CompilerRequest& request = Prompts.Log.back().Compile;
    EXPECT_EQ(request.Settings, Form->IniFile.get());
    EXPECT_EQ(request.InputFile, QFileInfo(TestDataFile("window.txt")).absoluteFilePath());

    Form->History->MarkSaved();
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->ToolButton9Click();
    EXPECT_EQ(Prompts.Questions().size(), 2u);
}

// Prompts whose compiler dialog is the real one, confirmed at once with OK.
class RealCompilerPrompts : public ScriptedPrompts {
  public:
    Answer CompileTyp(const CompilerRequest& request) override {
        TOKBottomDlg dialog;
        dialog.Settings = request.Settings;
        dialog.InputFile = request.InputFile;
        dialog.WorkFolder = request.WorkFolder;
        dialog.show();
        dialog.OKBtnClick();
        return dialog.result() == QDialog::Accepted ? Answer::Ok : Answer::Cancel;
    }
};

bool WaitForFile(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < 10000)
        QThread::msleep(20);
    return QFile::exists(path);
}

TEST_F(ObjectCommandsTest, CompilerRunsDetachedOnTheSavedFileWithTheStoredPath) {
    RealCompilerPrompts prompts;
    TForm1 form(prompts, Temp.path());
    const QString compiler = TempFile("fake cgpsmapper");
    QFile script(compiler);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "dir=$(dirname \"$0\")\n"
                 "printf '%s\\n' \"$@\" > \"$dir/args.tmp\" && mv \"$dir/args.tmp\" \"$dir/args\"\n"
                 "echo compiling\n"
                 "sleep 2\n"
                 "touch \"$dir/finished\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    form.IniFile->setValue(CompilerPathKey, compiler);
    form.IniFile->setValue(CompilerChoiceKey, false);
    form.IniFile->sync();

    prompts.AnswerSaveFile(TempFile("My Typ File.txt"));
    form.SaveAs1Click();
    ASSERT_TRUE(form.ToolButton9->isEnabled());
    form.ToolButton9Click();
    EXPECT_FALSE(QFile::exists(TempFile("finished"))) << "the window went on while the compiler ran";
    ASSERT_TRUE(WaitForFile(TempFile("args")));
    EXPECT_EQ(FileBytes(TempFile("args")), "typ\n-q\n" + TempFile("My Typ File.txt").toStdString() + "\n");
    EXPECT_TRUE(WaitForFile(TempFile("finished")));
}

} // namespace
} // namespace velmora
