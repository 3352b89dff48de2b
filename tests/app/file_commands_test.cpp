#include "model/text_format.h"
#include "tests/app/window_fixture.h"
#include "tests/file_size_limit.h"
#include "typbin/binary_import.h"
#include "typbin/typ_compiler.h"

#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include <cerrno>

namespace velmora {
namespace {

using FileCommandsTest = WindowTest;

const QString CannotOpen = QStringLiteral("Нельзя открыть файл.\rВозможно он занят другим приложением");
const QString UnsavedQuestion = QStringLiteral("Были внесены изменения!\rФайл надо записать?");

void TypeIntoHeader(TForm1& form, const QString& text) {
    form.Memo1->moveCursor(QTextCursor::End);
    form.Memo1->insertPlainText(text);
}

TEST_F(FileCommandsTest, OpenShowsTheFirstPointAndEnablesTheCompileCommand) {
    const QString path = TestDataFile("window.txt");
    OpenText(path);
    ASSERT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::OpenFile), 1u);
    EXPECT_EQ(Prompts.Log[0].Open.Filter, QStringLiteral("Garmin текст (*.txt)"));
    EXPECT_TRUE(Prompts.Messages().empty());
    EXPECT_EQ(Caption(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Form->ToolButton9->isEnabled());
    EXPECT_TRUE(Form->TYP1->isEnabled());
    ASSERT_EQ(Form->ComboBox1->count(), 2);
    EXPECT_EQ(Form->ComboBox1->itemText(0), QStringLiteral("2F/0B    Автостоянка"));
    // "Type=0x10A" then "SubType=0x00" is type 0x01 with subtype 0, as the compiler reads it.
    EXPECT_EQ(Form->ComboBox1->itemText(1), QStringLiteral("01/00    Мегаполис (свыше 10 млн.)"));
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PointList[0].get());
    EXPECT_EQ(Form->Image1->size(), QSize(80, 40));
    EXPECT_TRUE(Form->Memo1->toPlainText().contains(QStringLiteral("FID=42")));
    EXPECT_TRUE(Form->StatusPanels[0]->text().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral(";note"));
    Prompts.AnswerQuestion(Answer::No);
    Prompts.AnswerOpenFile(std::nullopt);
    Form->ToolButton1Click();
    EXPECT_EQ(ObjectCount(), 5);
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Caption(), QFileInfo(TestDataFile("window.txt")).absoluteFilePath());
}

TEST_F(FileCommandsTest, UnreadableFileIsReportedAndTheDocumentStays) {
    OpenText(TestDataFile("window.txt"));
    const QString title = Caption();
    OpenText(TempFile("missing.txt"));
    EXPECT_EQ(Prompts.Messages(), std::vector<QString>{CannotOpen});
    EXPECT_EQ(ObjectCount(), 5);
    EXPECT_EQ(Caption(), title);
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PointList[0].get());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Form->StatusPanels[0]->text().isEmpty());
}

TEST_F(FileCommandsTest, ConversionErrorKeepsAndShowsTheObjectsReadBeforeIt) {
    OpenText(TestDataFile("broken.txt"));
    EXPECT_EQ(Prompts.Messages(), std::vector<QString>{QStringLiteral("'12a' is not a valid integer value")});
    ASSERT_EQ(Form->Document.PointList.size(), 1u);
    EXPECT_EQ(Form->ComboBox1->count(), 1);
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PointList[0].get());
    EXPECT_FALSE(Form->Image1->Picture().isNull());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommandsTest, SaveWritesTheTextFileAndClearsModified) {
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral("\n;saved"));
    ASSERT_TRUE(Form->Document.Modified);
    const QString target = TempFile("out.txt");
    Prompts.AnswerSaveFile(target);
    Form->SaveAs1Click();

    const ScriptedPrompts::Asked& asked = Prompts.Log.back();
    EXPECT_EQ(asked.Save.Filter, QStringLiteral("TYP-file (*.txt)"));
    EXPECT_EQ(asked.Save.DefaultSuffix, QStringLiteral("txt"));
    EXPECT_TRUE(asked.Save.AskOverwrite);
    EXPECT_EQ(asked.Save.ProposedName, TestDataFile("window.txt"));
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(Caption(), target);
    EXPECT_EQ(Form->Document.WorkFolder, Temp.path().toStdString());
    EXPECT_EQ(QDir::currentPath(), Temp.path());
    EXPECT_TRUE(Form->ToolButton9->isEnabled());

    std::string saved = FileBytes(target);
    EXPECT_EQ(saved.rfind(";", 0), 0u);
    EXPECT_NE(saved.find("Version 15.2010\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n;saved\r\n"), std::string::npos);
    TypDocument reread;
    LoadTextTypDocument(saved, reread);
    EXPECT_EQ(reread.PointList.size(), 2u);
    EXPECT_EQ(reread.LineList.size(), 2u);
    EXPECT_EQ(reread.PolygonList.size(), 1u);

    // The next open and save dialogs propose the saved file.
    Prompts.AnswerOpenFile(std::nullopt);
    Form->ToolButton1Click();
    EXPECT_EQ(Prompts.Log.back().Open.ProposedName, target);
}

TEST_F(FileCommandsTest, CancelledSaveChangesNothing) {
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral(";x"));
    Prompts.AnswerSaveFile(std::nullopt);
    Form->SaveAs1Click();
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Caption(), QFileInfo(TestDataFile("window.txt")).absoluteFilePath());
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheOldFileAndTheWindowState) {
    const QString target = TempFile("old.txt");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral(";x"));
    const std::string workFolder = Form->Document.WorkFolder;
    const QString title = Caption();
    {
        FileSizeLimit limit;
        Prompts.AnswerSaveFile(target);
        Form->SaveAs1Click();
    }
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("old.txt")));
    EXPECT_EQ(FileBytes(target), "old content");
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Form->Document.WorkFolder, workFolder);
    EXPECT_EQ(Caption(), title);
}

// The shutdown question and what each answer leads to.
struct CloseCase {
    const char* Name;
    std::optional<Answer> Question;    // none: nothing was changed, so nothing is asked
    std::optional<const char*> SaveAs; // the save dialog's answer after Yes (nullptr: cancelled)
    bool Closes;
    bool Written;
};

class ShutdownQuestionTest : public WindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ShutdownQuestionTest, ClosesOnlyWhenNoChangeIsLost) {
    const CloseCase& c = GetParam();
    OpenText(TestDataFile("window.txt"));
    // As a document without a text file of its own: saving asks for the name.
    Form->Session.ForgetTextFile();
    if (c.Question) {
        TypeIntoHeader(*Form, QStringLiteral(";x"));
        Prompts.AnswerQuestion(*c.Question);
    }
    QString target;
    if (c.SaveAs) {
        target = *c.SaveAs ? TempFile(*c.SaveAs) : QString();
        Prompts.AnswerSaveFile(*c.SaveAs ? std::optional<QString>(target) : std::nullopt);
    }
    EXPECT_EQ(Form->close(), c.Closes);
    if (c.Question) {
        ASSERT_EQ(Prompts.Questions(), std::vector<QString>{UnsavedQuestion});
        EXPECT_EQ(Prompts.Log[1].Buttons, QuestionButtons::YesNoCancel);
        EXPECT_EQ(Prompts.Log[1].Icon, MessageKind::Warning);
    } else {
        EXPECT_TRUE(Prompts.Questions().empty());
    }
    if (!target.isEmpty()) {
        EXPECT_EQ(QFile::exists(target), c.Written);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ShutdownQuestionTest,
    testing::Values(CloseCase{"Unchanged", std::nullopt, std::nullopt, true, false},
                    CloseCase{"YesSaved", Answer::Yes, "saved.txt", true, true},
                    CloseCase{"YesSaveCancelled", Answer::Yes, nullptr, false, false},
                    CloseCase{"YesSaveFailed", Answer::Yes, "no-such-folder/saved.txt", false, false},
                    CloseCase{"No", Answer::No, std::nullopt, true, false},
                    CloseCase{"Cancel", Answer::Cancel, std::nullopt, false, false}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.Name); });

// Opening a text file and importing a compiled one ask the shutdown question first while there are
// unsaved changes, before their file dialog.
struct ReplaceCase {
    const char* Name;
    bool Import;
    Answer Reply;
    std::optional<bool> SaveSucceeds; // for Yes
    bool Replaces;
};

class ReplaceWhileModifiedTest : public WindowTest, public testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceWhileModifiedTest, AsksBeforeTheFileDialog) {
    const ReplaceCase& c = GetParam();
    const QString replacement = c.Import ? CorpusFile("contours.typ") : TestDataFile("points_only.txt");
    if (c.Import) VELMORA_NEED_CORPUS("contours.typ");
    OpenText(TestDataFile("window.txt"));
    // As a document without a text file of its own: saving asks for the name.
    Form->Session.ForgetTextFile();
    TypeIntoHeader(*Form, QStringLiteral(";x"));
    Prompts.AnswerQuestion(c.Reply);
    if (c.SaveSucceeds)
        Prompts.AnswerSaveFile(*c.SaveSucceeds ? TempFile("first.txt")
                                               : TempFile("no-such-folder/first.txt"));
    if (c.Replaces) Prompts.AnswerOpenFile(replacement);
    if (c.Import)
        Form->ToolButton13Click();
    else
        Form->ToolButton1Click();

    ASSERT_GE(Prompts.Log.size(), 2u);
    EXPECT_EQ(Prompts.Log[1].What, ScriptedPrompts::Kind::Question);
    EXPECT_EQ(Prompts.Log[1].Text, UnsavedQuestion);
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::OpenFile), c.Replaces ? 2u : 1u);
    if (c.Replaces) {
        EXPECT_NE(Form->Document.PointList.size() + Form->Document.LineList.size(), 4u);
    } else {
        EXPECT_EQ(ObjectCount(), 5);
        EXPECT_TRUE(Form->Document.Modified);
    }
    if (c.SaveSucceeds && *c.SaveSucceeds) {
        EXPECT_TRUE(QFile::exists(TempFile("first.txt")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReplaceWhileModifiedTest,
    testing::Values(ReplaceCase{"OpenNo", false, Answer::No, std::nullopt, true},
                    ReplaceCase{"OpenCancel", false, Answer::Cancel, std::nullopt, false},
                    ReplaceCase{"OpenYesSaved", false, Answer::Yes, true, true},
                    ReplaceCase{"OpenYesSaveFailed", false, Answer::Yes, false, false},
                    ReplaceCase{"ImportNo", true, Answer::No, std::nullopt, true},
                    ReplaceCase{"ImportCancel", true, Answer::Cancel, std::nullopt, false},
                    ReplaceCase{"ImportYesSaved", true, Answer::Yes, true, true},
                    ReplaceCase{"ImportYesSaveFailed", true, Answer::Yes, false, false}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.Name); });

TEST_F(FileCommandsTest, RejectedCompiledFileLeavesDocumentAndWindowAsTheyWere) {
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral(";x"));
    ChooseKind(KindLine);
    ChooseObject(1);
    const std::vector<std::string> header = Form->Document.HeaderLines;
    const QString title = Caption();
    TGarminObject* shown = Form->Document.CurrentObject;

    Prompts.AnswerQuestion(Answer::No);
    ImportCompiled(TestDataFile("not_typ.typ"));

    ASSERT_EQ(Prompts.Log[Prompts.Log.size() - 2].What, ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(Prompts.Log[Prompts.Log.size() - 2].Open.Filter, QStringLiteral("Garmin Typ (*.typ)"));
    EXPECT_EQ(Prompts.Messages(), std::vector<QString>{QString::fromUtf8(
                                      NotGarminTypMessage.data(), qsizetype(NotGarminTypMessage.size()))});
    EXPECT_EQ(ObjectCount(), 5);
    EXPECT_EQ(Form->Document.HeaderLines, header);
    EXPECT_EQ(Caption(), title);
    EXPECT_TRUE(Form->ToolButton9->isEnabled());
    EXPECT_TRUE(Form->TYP1->isEnabled());
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Form->Document.CurrentObject, shown);
    EXPECT_EQ(Form->ComboBox1->count(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommandsTest, ImportReplacesTheDocumentAndDisablesCompilingUntilSaved) {
    VELMORA_NEED_CORPUS("opentopomap.typ");
    ChooseOutsideCompiler();
    OpenText(TestDataFile("window.txt"));
    TypeIntoHeader(*Form, QStringLiteral(";x"));
    Prompts.AnswerQuestion(Answer::No);
    ImportCompiled(CorpusFile("opentopomap.typ"));

    EXPECT_EQ(Caption(), CorpusFile("opentopomap.typ"));
    EXPECT_GT(Form->Document.PointList.size(), 0u);
    EXPECT_GT(Form->Document.LineList.size(), 0u);
    EXPECT_GT(Form->Document.PolygonList.size(), 0u);
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
    EXPECT_FALSE(Form->TYP1->isEnabled());
    EXPECT_FALSE(Form->Document.Modified) << "the imported file starts a new history";
    EXPECT_FALSE(Form->Undo1->isEnabled());
    EXPECT_EQ(Form->Document.CurrentObject, Form->Document.PointList[0].get());
    EXPECT_TRUE(Form->Memo1->toPlainText().contains(QStringLiteral("[_drawOrder]")));

    Prompts.AnswerSaveFile(TempFile("opentopomap.txt"));
    Form->SaveAs1Click();
    EXPECT_TRUE(Form->ToolButton9->isEnabled());
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(FileCommandsTest, ImportOfAnUnchangedDocumentKeepsModifiedFalse) {
    VELMORA_NEED_CORPUS("freizeit.typ");
    ImportCompiled(CorpusFile("freizeit.typ"));
    EXPECT_TRUE(Prompts.Questions().empty());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_GT(ObjectCount(), 0);
    // The program's own mark of the layout reads in Russian whatever the file's code page.
    EXPECT_TRUE(Form->Memo1->toPlainText().startsWith(QStringLiteral(";OLD - тип\n")));
    EXPECT_TRUE(Form->close());
}

TEST_F(FileCommandsTest, ImportWarningsAreShownAfterTheDocumentIsReplaced) {
    VELMORA_NEED_CORPUS("contours.typ");
    std::string bytes = FileBytes(CorpusFile("contours.typ"));
    ASSERT_GT(bytes.size(), 57u);
    bytes[55] = 7; // point index entries of 7 bytes, which the import does not read
    const QString damaged = TempFile("damaged.typ");
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    }
    ImportCompiled(damaged);
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("7 bytes")));
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Warning);
    EXPECT_GT(Form->Document.LineList.size(), 0u);
    EXPECT_EQ(Caption(), damaged);
}

TEST_F(FileCommandsTest, CommandLineFileIsImportedWhenCompiledAndReadWhenText) {
    VELMORA_NEED_CORPUS("contours.typ");
    ChooseOutsideCompiler();
    Form->OpenFile(CorpusFile("contours.typ"));
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
    EXPECT_EQ(Caption(), CorpusFile("contours.typ"));
    EXPECT_GT(Form->Document.LineList.size(), 0u);

    Form->OpenFile(TestDataFile("window.txt"));
    EXPECT_TRUE(Form->ToolButton9->isEnabled());
    EXPECT_EQ(ObjectCount(), 5);
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::OpenFile), 0u);
}

TEST_F(FileCommandsTest, EveryCorpusTextFileOpensWithoutMessages) {
    for (const char* name : {"freizeit.txt", "opentopomap.txt", "contours.txt", "mkgmap-test.txt"}) {
        if (!CorpusHas(name)) GTEST_SKIP() << "corpus file " << name << " not found";
        OpenText(CorpusFile(name));
        EXPECT_TRUE(Prompts.Messages().empty()) << name;
        EXPECT_GT(ObjectCount(), 0) << name;
    }
}

// A copy of a test file in the test's folder, so that saving over it leaves the test data alone.
QString CopyOf(const QTemporaryDir& temp, const char* name) {
    const QString copy = QDir(temp.path()).filePath(QString::fromLatin1(name));
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(TestDataFile(name), copy));
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

TEST_F(FileCommandsTest, SaveWritesTheOpenedTextFileAndSaveAsAsksProposingIt) {
    const QString path = CopyOf(Temp, "window.txt");
    OpenText(path);
    TypeIntoHeader(*Form, QStringLiteral(";note"));
    Form->N3->trigger();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 0u);
    EXPECT_TRUE(Prompts.Messages().empty());
    EXPECT_FALSE(Form->Document.Modified);
    const std::string saved = FileBytes(path);
    EXPECT_NE(saved.find(";note"), std::string::npos);

    // Nothing changed since: the file is not written again (its date line would change).
    Form->ToolButton2Click();
    EXPECT_EQ(FileBytes(path), saved);

    // "Сохранить как…" asks, proposing the file, and the document then belongs to the new one.
    EXPECT_EQ(Form->SaveAs1->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(Form->SaveAs1->text().remove(u'&'), QStringLiteral("Сохранить как…"));
    const QString other = TempFile("other.txt");
    Prompts.AnswerSaveFile(other);
    Form->SaveAs1->trigger();
    ASSERT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 1u);
    EXPECT_EQ(Prompts.Log.back().Save.ProposedName, path);
    EXPECT_EQ(Caption(), other);
    TypeIntoHeader(*Form, QStringLiteral(";more"));
    Form->ToolButton2Click();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 1u);
    EXPECT_NE(FileBytes(other).find(";more"), std::string::npos);
    EXPECT_EQ(FileBytes(path), saved);
}

// Documents whose first save asks for a name: the file they came from, if any, stays as it was.
struct FirstSaveCase {
    const char* Name;
    const char* TextFile;     // opened from a copy of this test file, or
    const char* CompiledFrom; // imported from the compiled form of this one; both null: a new document
};

class FirstSaveTest : public FileCommandsTest, public testing::WithParamInterface<FirstSaveCase> {};

TEST_P(FirstSaveTest, AsksForTheNameOnItsFirstSave) {
    const FirstSaveCase& c = GetParam();
    QString source;
    if (c.TextFile) {
        source = CopyOf(Temp, c.TextFile);
        OpenText(source);
    } else if (c.CompiledFrom) {
        TypDocument doc;
        LoadTextTypDocument(FileBytes(TestDataFile(c.CompiledFrom)), doc);
        const CompileResult compiled = CompileTyp(doc);
        source = TempFile("style.typ");
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(compiled.Bytes.data()), qint64(compiled.Bytes.size()));
        file.close();
        ImportCompiled(source);
    }
    const std::string before = source.isEmpty() ? std::string() : FileBytes(source);
    TypeIntoHeader(*Form, QStringLiteral(";note"));
    Prompts.AnswerSaveFile(std::nullopt);
    Form->ToolButton2Click();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 1u);
    EXPECT_TRUE(Form->Document.Modified);
    if (!source.isEmpty()) {
        EXPECT_EQ(FileBytes(source), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, FirstSaveTest,
    testing::Values(FirstSaveCase{"New", nullptr, nullptr},
                    FirstSaveCase{"Imported", nullptr, "compilable.txt"},
                    // Writing a file read only up to a conversion error would cut off the rest of it.
                    FirstSaveCase{"ReadInPart", "broken.txt", nullptr},
                    FirstSaveCase{"WithoutObjectSections", "no_objects.txt", nullptr}),
    [](const testing::TestParamInfo<FirstSaveCase>& info) { return std::string(info.param.Name); });

TEST_F(FileCommandsTest, FileWithoutObjectSectionsOpensWithAMessageSayingSo) {
    OpenText(TestDataFile("no_objects.txt"));
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_TRUE(
        Prompts.Messages()[0].startsWith(QStringLiteral("В файле не найдено ни одного раздела объектов")))
        << Prompts.Messages()[0].toStdString();
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("no_objects.txt")));
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Warning);
    EXPECT_EQ(ObjectCount(), 0);

    // A style with objects says nothing.
    Prompts.Log.clear();
    OpenText(TestDataFile("points_only.txt"));
    EXPECT_TRUE(Prompts.Messages().empty());
}

TEST_F(FileCommandsTest, FileThatMayNotBeReadSaysSoRatherThanInUse) {
    const FileError denied("Cannot open file \"%1\".", "/styles/locked.txt", "", EACCES);
    const QString message = TForm1::OpenFailureMessage(denied);
    EXPECT_TRUE(message.contains(QStringLiteral("/styles/locked.txt"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromStdString(SystemErrorText(EACCES, true))))
        << message.toStdString();
    EXPECT_NE(message, CannotOpen);
    // Other failures keep the general message.
    EXPECT_EQ(TForm1::OpenFailureMessage(FileError("Cannot open file \"%1\".", "/x.txt", "", ENOENT)),
              CannotOpen);
}

} // namespace
} // namespace velmora
