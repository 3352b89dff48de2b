// The compile command with the built-in compiler: the dialog's choice, the save dialog, the written
// file, its report in the status bar and the errors; and the rule of the command's enabled state.
#include "tests/app/window_fixture.h"

#include "dialogs/Thr.h"
#include "typbin/binary_import.h"

#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>
#include <span>

namespace velmora {
namespace {

class CompileCommandTest : public WindowTest {
  protected:
    // The compile command confirmed in its dialog, the compiled file saved as fileName.
    void Compile(const QString& fileName) {
        Prompts.AnswerCompiler(Answer::Ok);
        Prompts.AnswerSaveFile(fileName);
        Form->ToolButton9Click();
    }
    BinaryImportResult Imported(const QString& fileName) {
        const std::string bytes = FileBytes(fileName);
        return ImportBinaryTyp(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    }
    const SaveFileQuestion* SaveQuestion() const {
        for (const ScriptedPrompts::Asked& asked : Prompts.Log)
            if (asked.What == ScriptedPrompts::Kind::SaveFile) return &asked.Save;
        return nullptr;
    }
};

TEST_F(CompileCommandTest, BuiltInCompilerWritesTheOpenDocumentWithoutAskingAboutChanges) {
    EXPECT_TRUE(BuiltInCompilerChosen(Form->IniFile.get())) << "the built-in compiler is the default";
    OpenText(TestDataFile("compilable.txt"));
    // An edit that no saved text holds yet: the compiled file has it.
    Form->Document.PointList[0]->Labels = {"0x04,Bistro"};
    Form->Document.Modified = true;
    const QString target = TempFile("out.typ");
    Compile(target);

    EXPECT_TRUE(Prompts.Questions().empty());
    EXPECT_TRUE(Prompts.Messages().empty());
    const SaveFileQuestion* question = SaveQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->Filter, QStringLiteral("Garmin Typ (*.typ)"));
    EXPECT_EQ(question->DefaultSuffix, QStringLiteral("typ"));
    EXPECT_TRUE(question->AskOverwrite);
    EXPECT_EQ(question->ProposedName, QFileInfo(TestDataFile("compilable.typ")).absoluteFilePath());

    const BinaryImportResult imported = Imported(target);
    EXPECT_TRUE(imported.Warnings.empty());
    ASSERT_EQ(imported.Document.PointList.size(), 1u);
    ASSERT_EQ(imported.Document.LineList.size(), 1u);
    ASSERT_EQ(imported.Document.PolygonList.size(), 1u);
    EXPECT_EQ(imported.Document.PointList[0]->TypeCode, 0x2Fu);
    EXPECT_EQ(imported.Document.PointList[0]->SubTypeCode, 0x0Bu);
    // The import writes the language code in its own short form.
    EXPECT_EQ(imported.Document.PointList[0]->Labels, std::vector<std::string>{"0x4,Bistro"});
    EXPECT_EQ(imported.Document.LineList[0]->LineWidth, 3);
    EXPECT_EQ(imported.Document.PolygonList[0]->TypeCode, 0x50u);

    const qint64 size = QFileInfo(target).size();
    EXPECT_GT(size, 0);
    EXPECT_EQ(Form->StatusBar1->currentMessage(),
              QStringLiteral("Записан файл %1 (%2 байт)").arg(QDir::toNativeSeparators(target)).arg(size));
    EXPECT_TRUE(Form->Document.Modified) << "compiling saves no text";
}

TEST_F(CompileCommandTest, ProposedNameIsTheLastOpenedOrSavedFileWithTypExtension) {
    VELMORA_NEED_CORPUS("contours.typ");
    OpenText(TestDataFile("compilable.txt"));
    Prompts.AnswerSaveFile(TempFile("My style.v2.txt"));
    Form->SaveAs1Click();
    Compile(TempFile("first.typ"));
    EXPECT_EQ(Prompts.Log.back().Save.ProposedName, TempFile("My style.v2.typ"));

    // A compiled file opened last is offered itself; the overwrite question guards it.
    ImportCompiled(CorpusFile("contours.typ"));
    ASSERT_TRUE(Form->ToolButton9->isEnabled()) << "the built-in compiler needs no saved text";
    ASSERT_TRUE(Form->TYP1->isEnabled());
    Compile(TempFile("contours.typ"));
    EXPECT_EQ(Prompts.Log.back().Save.ProposedName, CorpusFile("contours.typ"));
    const BinaryImportResult imported = Imported(TempFile("contours.typ"));
    EXPECT_EQ(imported.Document.LineList.size(), Form->Document.LineList.size());
}

TEST_F(CompileCommandTest, ObjectThatCannotBeCompiledIsNamedAndNothingIsWritten) {
    OpenText(TestDataFile("line_16_wide.txt"));
    const QString target = TempFile("out.typ");
    Prompts.AnswerCompiler(Answer::Ok);
    Form->ToolButton9Click();

    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 0u) << "no file is asked for";
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    const QString message = Prompts.Messages()[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("TYP-файл не создан:\r"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("line type 0x18"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("16 pixels wide"))) << message.toStdString();
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Error);
    EXPECT_TRUE(QDir(Temp.path()).entryList({QStringLiteral("*.typ")}).isEmpty());
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());
}

TEST_F(CompileCommandTest, CancelledDialogOrSaveDialogWritesNothing) {
    OpenText(TestDataFile("compilable.txt"));
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->ToolButton9Click();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 0u);

    Prompts.AnswerCompiler(Answer::Ok);
    Prompts.AnswerSaveFile(std::nullopt);
    Form->ToolButton9Click();
    EXPECT_TRUE(QDir(Temp.path()).entryList({QStringLiteral("*.typ")}).isEmpty());
    EXPECT_TRUE(Prompts.Messages().empty());
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());
}

TEST_F(CompileCommandTest, FileThatCannotBeWrittenIsReportedAndNotClaimed) {
    OpenText(TestDataFile("compilable.txt"));
    Compile(TempFile("no such folder/out.typ"));
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Error);
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("out.typ")))
        << Prompts.Messages()[0].toStdString();
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());
}

TEST_F(CompileCommandTest, WarningsAreShownAndTheFileIsWritten) {
    OpenText(TestDataFile("compilable.txt"));
    // A code page line that mkgmap does not read is named; the file is written with the code page.
    std::replace(Form->Document.HeaderLines.begin(), Form->Document.HeaderLines.end(),
                 std::string("CodePage=1252"), std::string("Codepage=1252"));
    const QString target = TempFile("out.typ");
    Compile(target);
    ASSERT_EQ(Prompts.Messages().size(), 1u);
    EXPECT_EQ(Prompts.Log.back().Icon, MessageKind::Warning);
    EXPECT_TRUE(Prompts.Messages()[0].contains(QStringLiteral("Предупреждения компилятора:")));
    EXPECT_TRUE(Prompts.Messages()[0].contains(
        QStringLiteral("\"Codepage=1252\" is not spelt \"CodePage=\": mkgmap will not read")))
        << Prompts.Messages()[0].toStdString();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(Form->StatusBar1->currentMessage().endsWith(QStringLiteral("байт), предупреждений: 1")))
        << Form->StatusBar1->currentMessage().toStdString();
}

TEST_F(CompileCommandTest, SwitchingToTheOutsideCompilerInTheDialogAsksAboutChangesFirst) {
    OpenText(TestDataFile("compilable.txt"));
    Form->Document.Modified = true;
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->ToolButton9Click();
    ASSERT_TRUE(Prompts.Log.back().Compile.MayStartOutsideCompiler);
    Prompts.AnswerQuestion(Answer::Yes);
    EXPECT_FALSE(Prompts.Log.back().Compile.MayStartOutsideCompiler());
    EXPECT_EQ(Prompts.Questions().back(), "Были внесены изменения!\rФайл надо записать?");

    // Nothing to ask without changes.
    Form->History->MarkSaved();
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->ToolButton9Click();
    EXPECT_FALSE(Prompts.Log.back().Compile.MayStartOutsideCompiler);
}

TEST_F(CompileCommandTest, OutsideCompilerKeepsItsRuleOfTheEnabledCommand) {
    VELMORA_NEED_CORPUS("contours.typ");
    ImportCompiled(CorpusFile("contours.typ"));
    EXPECT_TRUE(Form->ToolButton9->isEnabled());

    // Choosing cGPSMapper in the dialog: the imported document waits for a save as text.
    Prompts.AnswerCompiler(Answer::Cancel);
    Form->IniFile->setValue(CompilerChoiceKey, false);
    Form->ToolButton9Click();
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
    EXPECT_FALSE(Form->TYP1->isEnabled());

    // With cGPSMapper OK starts only the outside program: nothing is compiled here.
    OpenText(TestDataFile("compilable.txt"));
    Prompts.AnswerCompiler(Answer::Ok);
    Form->ToolButton9Click();
    EXPECT_EQ(Prompts.CountOf(ScriptedPrompts::Kind::SaveFile), 0u);
    EXPECT_FALSE(Prompts.Log.back().Compile.MayStartOutsideCompiler);
}

} // namespace
} // namespace velmora
