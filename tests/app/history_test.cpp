// Window tests of the edit history, drag painting, the keyboard and the caption mark.
#include "tests/app/editing_fixture.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSet>
#include <QSplitter>
#include <QTest>
#include <QTextCursor>
#include <QUndoStack>

namespace velmora {
namespace {

class HistoryTest : public EditingTest {
  protected:
    QString UndoText() const { return Form->Undo1->text().remove(u'&'); }
    QString RedoText() const { return Form->Redo1->text().remove(u'&'); }
    int Steps() const { return Form->History->Stack().count(); }
    // The window on screen and active, so that its shortcuts reach it.
    void Activate() {
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, Form->Image1->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(Form->Image1, &event);
    }
};

TEST_F(HistoryTest, UndoAndRedoNameTheStepAndGiveBackTheDocument) {
    TGarminObject& point = Create(KindPoint);
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Создание объекта"));
    Form->History->MarkSaved();
    Form->ComboBox2->setCurrentIndex(1);
    const char before = point.Pixels[Day][0][0];
    Click(Qt::LeftButton, CellCentre(0, 0));
    ASSERT_NE(point.Pixels[Day][0][0], before);
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Рисование"));
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_TRUE(Form->isWindowModified());

    Form->Undo1->trigger();
    EXPECT_EQ(point.Pixels[Day][0][0], before);
    EXPECT_FALSE(Form->Document.Modified) << "back at the saved state";
    EXPECT_FALSE(Form->isWindowModified());
    EXPECT_EQ(RedoText(), QStringLiteral("Повторить: Рисование"));
    EXPECT_EQ(Form->Redo1->toolTip(), QStringLiteral("Повторить: Рисование"));
    Form->Redo1->trigger();
    EXPECT_EQ(point.Pixels[Day][0][0], point.Colours[Day][1].Code);
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Form->Document.CurrentObject, &point);
}

TEST_F(HistoryTest, UndoingADeletePutsTheObjectBackAndShowsIt) {
    for (uint32_t type : {0x31u, 0x32u, 0x33u})
        Create(KindPolygon).TypeCode = type;
    TGarminObject* second = Form->Document.PolygonList[1].get();
    ChooseKind(KindPoint);
    ChooseKind(KindPolygon);
    ChooseObject(1);
    Form->ToolButton4Click();
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Удаление объекта"));
    ChooseKind(KindPoint);
    Form->Undo1Click();
    ASSERT_EQ(Form->Document.PolygonList.size(), 3u);
    EXPECT_EQ(Form->Document.PolygonList[1].get(), second);
    EXPECT_EQ(Form->ChosenKind(), KindPolygon);
    EXPECT_EQ(Form->ComboBox1->currentIndex(), 1);
    EXPECT_EQ(Form->Document.CurrentObject, second);
    // Undoing the three creations empties the list; redoing brings back the same objects.
    for (int i = 0; i < 3; ++i)
        Form->Undo1Click();
    EXPECT_TRUE(Form->Document.PolygonList.empty());
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
    EXPECT_FALSE(Form->Document.Modified);
    for (int i = 0; i < 4; ++i)
        Form->Redo1Click();
    EXPECT_EQ(Form->Document.PolygonList.size(), 2u);
}

TEST_F(HistoryTest, EveryControlAndTextIsAStep) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    TGarminObject& line = *Form->Document.CurrentObject;
    const std::vector<std::string> labels = line.Labels;
    const std::vector<std::string> header = Form->Document.HeaderLines;
    const int repeat = line.XpmHeader[Day].CharsPerPixel;

    Form->SpinEdit6->setValue(repeat == 1 ? 2 : 1);
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Повторяемость"));
    Form->ComboBox5->setCurrentIndex(1 - Form->ComboBox5->currentIndex());
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Ориентация"));
    QTest::keyClicks(Form->LabelEditor, QStringLiteral("ab cd"));
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Названия"));
    Form->ComboBox3->setCurrentIndex(4);
    Form->ComboBox3DblClick();
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Строка названия"));
    Form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(Form->Memo1, QStringLiteral(";x"));
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Заголовок"));
    Form->ComboBox1DblClick();
    Form->ComboBox4->setCurrentIndex(3);
    Form->ComboBox4Change();
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Смена типа"));
    // Characters per pixel, orientation, two words of labels, the language line, the header, the type.
    EXPECT_EQ(Steps(), 7);

    while (Form->Undo1->isEnabled())
        Form->Undo1->trigger();
    EXPECT_EQ(line.Labels, labels);
    EXPECT_EQ(line.XpmHeader[Day].CharsPerPixel, repeat);
    EXPECT_EQ(Form->Document.HeaderLines, header);
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_FALSE(Form->Memo1->toPlainText().contains(QStringLiteral(";x")));
    EXPECT_EQ(Form->SpinEdit6->value(), repeat) << "the control shows the value given back";
}

TEST_F(HistoryTest, ADragPaintsEveryCellPassedAsOneStep) {
    TGarminObject& point = Create(KindPoint);
    Form->ComboBox2->setCurrentIndex(1);
    const char code = point.Colours[Day][1].Code;
    const int steps = Steps();
    const std::string firstRow = point.Pixels[Day][0];
    Mouse(QEvent::MouseButtonPress, CellCentre(0, 0), Qt::LeftButton, Qt::LeftButton);
    // One move jumps four cells: the cells between are painted all the same.
    Mouse(QEvent::MouseMove, CellCentre(0, 4), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, CellCentre(2, 4), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, CellCentre(2, 4), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(point.Pixels[Day][0].substr(0, 5), std::string(5, code));
    EXPECT_EQ(point.Pixels[Day][1][4], code);
    EXPECT_EQ(point.Pixels[Day][2][4], code);
    EXPECT_NE(point.Pixels[Day][1][3], code);
    EXPECT_EQ(Shown(CellCentre(0, 2)), QColor(Shown(CellCentre(2, 4))));
    EXPECT_EQ(Steps(), steps + 1);
    // A move without the button paints nothing; a single click paints one cell as a step of its own.
    Mouse(QEvent::MouseMove, CellCentre(5, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_NE(point.Pixels[Day][5][5], code);
    Mouse(QEvent::MouseButtonPress, CellCentre(6, 6), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, CellCentre(6, 6), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(point.Pixels[Day][6][6], code);
    EXPECT_EQ(Steps(), steps + 2);
    Form->Undo1Click();
    Form->Undo1Click();
    EXPECT_EQ(point.Pixels[Day][0], firstRow);
    EXPECT_NE(point.Pixels[Day][2][4], code);
}

TEST_F(HistoryTest, TemplateIsAStepThatLeavesTheDocumentUnmodified) {
    Create(KindPoint);
    Form->History->MarkSaved();
    Form->TracingPicture = QImage(8, 8, QImage::Format_RGB888);
    Form->TracingPicture.fill(QColor(0, 0, 255));
    Prompts.AnswerOpenFile(std::nullopt);
    Form->ToolButton6Click();
    EXPECT_EQ(Shown(CellCentre(1, 1)), QColor(0, 0, 255));
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Рисунок под сеткой"));
    EXPECT_FALSE(Form->Document.Modified);
    Form->Undo1Click();
    EXPECT_NE(Shown(CellCentre(1, 1)), QColor(0, 0, 255));
    EXPECT_FALSE(Form->Document.Modified);
    Form->Redo1Click();
    EXPECT_EQ(Shown(CellCentre(1, 1)), QColor(0, 0, 255)) << "redo lays the template again";
}

TEST_F(HistoryTest, ShortcutsRunTheirCommands) {
    OpenText(TestDataFile("window.txt"));
    Activate();
    Form->Image1->setFocus();
    Prompts.AnswerSaveFile(std::nullopt);
    QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    Prompts.AnswerOpenFile(std::nullopt);
    QTest::keyClick(Form.get(), Qt::Key_O, Qt::ControlModifier);
    Prompts.AnswerOpenFile(std::nullopt);
    QTest::keyClick(Form.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    Prompts.ExpectHelp();
    QTest::keyClick(Form.get(), Qt::Key_F1);
    ASSERT_EQ(Prompts.Log.size(), 5u);
    EXPECT_EQ(Prompts.Log[1].Text, QStringLiteral("Сохранить|TYP-file (*.txt)"));
    EXPECT_EQ(Prompts.Log[2].Text, QStringLiteral("Открыть|Garmin текст (*.txt)"));
    EXPECT_EQ(Prompts.Log[3].Text, QStringLiteral("Открыть typ|Garmin Typ (*.typ)"));

    const int zoom = Form->ScrollBar1->value();
    QTest::keyClick(Form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Form->ScrollBar1->value(), zoom - 1);
    QTest::keyClick(Form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(Form->ScrollBar1->value(), zoom);
    EXPECT_EQ(Form->ScrollBar1->focusPolicy(), Qt::StrongFocus);

    // Delete, copy and paste act on objects; the undo keys on the history.
    const size_t points = Form->Document.PointList.size();
    QTest::keyClick(Form.get(), Qt::Key_Delete);
    EXPECT_EQ(Form->Document.PointList.size(), points - 1);
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Form->Document.PointList.size(), points);
    QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Form->Document.PointList.size(), points - 1);
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Form->Document.PointList.size(), points - 1);
    ChooseObject(0);
    QTest::keyClick(Form.get(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(Form.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Form->Document.PointList.size(), points);
    EXPECT_EQ(UndoText(), QStringLiteral("Отменить: Вставка объекта"));
}

TEST_F(HistoryTest, KeysInTextFieldsStayThereButUndoGoesToTheHistory) {
    OpenText(TestDataFile("window.txt"));
    Activate();
    const size_t points = Form->Document.PointList.size();
    const std::vector<std::string> header = Form->Document.HeaderLines;
    const QString memo = Form->Memo1->toPlainText();
    Form->Memo1->setFocus();
    Form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(Form->Memo1, QStringLiteral(";x"));
    QTest::keyClick(Form->Memo1, Qt::Key_Left);
    QTest::keyClick(Form->Memo1, Qt::Key_Delete);
    EXPECT_EQ(Form->Document.PointList.size(), points) << "Del in a text field deletes a character";
    EXPECT_TRUE(Form->Memo1->toPlainText().endsWith(u';'));
    QTest::keyClick(Form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(Form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Form->Document.HeaderLines, header);
    EXPECT_EQ(Form->Memo1->toPlainText(), memo);
}

TEST_F(HistoryTest, MenusHaveDistinctAltLetters) {
    QList<QChar> letters;
    for (QAction* menu : Form->menuBar()->actions()) {
        const QString text = menu->text();
        const qsizetype amp = text.indexOf(u'&');
        ASSERT_GE(amp, 0) << text.toStdString();
        letters << text.at(amp + 1).toLower();
        QList<QChar> items;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            const qsizetype at = item->text().indexOf(u'&');
            ASSERT_GE(at, 0) << item->text().toStdString();
            EXPECT_FALSE(items.contains(item->text().at(at + 1).toLower())) << item->text().toStdString();
            items << item->text().at(at + 1).toLower();
        }
    }
    // "&Отменить" of creation mode keeps its letter: no menu takes it.
    EXPECT_FALSE(letters.contains(QChar(u'о')));
    EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size());
}

TEST_F(HistoryTest, CaptionMarksUnsavedChangesAfterThePath) {
    OpenText(TestDataFile("window.txt"));
    EXPECT_EQ(Form->windowTitle(), QFileInfo(TestDataFile("window.txt")).absoluteFilePath() + "[*]");
    EXPECT_FALSE(Form->isWindowModified());
    Form->SpinEdit6->setValue(Form->SpinEdit6->value() == 1 ? 2 : 1);
    EXPECT_TRUE(Form->isWindowModified());
    Prompts.AnswerSaveFile(TempFile("saved.txt"));
    Form->SaveAs1Click();
    EXPECT_FALSE(Form->isWindowModified());
    Form->Undo1Click();
    EXPECT_TRUE(Form->isWindowModified()) << "undoing past the save changes the file's content again";
}

TEST_F(HistoryTest, CreationModeSwitchesOpenImportAndHistoryOffAndStartsClean) {
    Create(KindPoint);
    ChooseKind(KindLine);
    Form->ToolButton5Click();
    for (QAction* action :
         {Form->ToolButton1, Form->N2, Form->ToolButton13, Form->typ2, Form->Undo1, Form->Redo1})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_EQ(Form->Edit3->text(), QStringLiteral("0000")) << "the line's type field at its full width";
    Form->CheckBox1->click();
    Form->BitBtn2Click();
    EXPECT_TRUE(Form->Undo1->isEnabled());
    EXPECT_TRUE(Form->ToolButton13->isEnabled());
    Form->ToolButton5Click();
    EXPECT_FALSE(Form->CheckBox1->isChecked()) << "no tick carried over from the last set-up";
    EXPECT_TRUE(Form->SpinEdit5->isEnabled()) << "a line with a bitmap asks its height";
}

TEST_F(HistoryTest, CompiledFileGivenToTheTextCommandIsImported) {
    VELMORA_NEED_CORPUS("contours.typ");
    const QString copy = TempFile("contours.txt");
    ASSERT_TRUE(QFile::copy(CorpusFile("contours.typ"), copy));
    ChooseOutsideCompiler();
    OpenText(copy);
    EXPECT_TRUE(Prompts.Messages().empty());
    EXPECT_GT(Form->Document.LineList.size(), 0u);
    EXPECT_FALSE(Form->ToolButton9->isEnabled()) << "compiling waits for a save as text";
    EXPECT_EQ(Caption(), copy);
}

TEST_F(HistoryTest, CompiledFileCutShortSaysHowManyObjectsWereRead) {
    VELMORA_NEED_CORPUS("opentopomap.typ");
    const std::string bytes = FileBytes(CorpusFile("opentopomap.typ"));
    const QString cut = TempFile("cut.typ");
    {
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size() / 2));
    }
    ImportCompiled(cut);
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    const QString count = QString::number(ObjectCount());
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("прочитано объектов ") + count))
        << Prompts.Messages()[0].toStdString();
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Warning);
    EXPECT_EQ(Caption(), cut);
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

TEST_F(HistoryTest, WindowSizeAndSplitterPositionsAreRememberedInVelmoraIni) {
    Form->show();
    Form->resize(1000, 700);
    Form->Splitter1->setSizes({500, 250, 250});
    QApplication::processEvents();
    const QList<int> sizes = Form->Splitter1->sizes();
    EXPECT_GT(Form->LabelEditor->width(), 200) << "the label editor widens with the column";
    ASSERT_TRUE(Form->close());
    ASSERT_TRUE(QFile::exists(QDir(Temp.path()).filePath(QStringLiteral("Velmora.ini"))));
    Form = std::make_unique<TForm1>(Prompts, Temp.path());
    Form->show();
    QApplication::processEvents();
    EXPECT_EQ(Form->size(), QSize(1000, 700));
    EXPECT_EQ(Form->Splitter1->sizes(), sizes);
}

} // namespace
} // namespace velmora
