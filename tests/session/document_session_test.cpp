// The document session without a window: what open, import, save and compile leave behind, that the
// history alone decides Modified, and that Changed() comes once per change.
#include "app/document_session.h"
#include "commands/edit_commands.h"
#include "commands/edit_history.h"
#include "model/text_format.h"
#include "tests/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString LoaderFile(const char* name) {
    return QDir(QStringLiteral(VELMORA_LOADER_DATA_DIR)).filePath(QLatin1String(name));
}

std::string FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

bool WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

class DocumentSessionTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        StartFolder = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(StartFolder); }

    QString TempFile(const char* name) const { return QDir(Temp.path()).filePath(QLatin1String(name)); }
    // style.txt in the temporary folder, so that it may be written.
    QString StyleCopy() {
        const QString copy = TempFile("style.txt");
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(LoaderFile("style.txt"), copy));
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }
    // The compiled form of style.txt, cut by cut bytes at its end.
    QString CompiledStyle(const char* name, size_t cut = 0) {
        TypDocument style;
        LoadTextTypDocument(FileBytes(LoaderFile("style.txt")), style);
        const std::vector<uint8_t> bytes = CompileTyp(style).Bytes;
        const QString path = TempFile(name);
        EXPECT_TRUE(WriteBytes(path, std::string(bytes.begin(), bytes.end() - std::ptrdiff_t(cut))));
        return path;
    }
    // One edit of the first line's width as a step of the history; steps made with merging at the
    // same time merge into one, as the changes of one control do.
    void EditLineWidth(int width, bool merging = false) {
        TypDocument& doc = Session.Document();
        // Changes of one control close together in time merge; far apart they are steps of their own.
        Clock += merging ? 1 : 10 * TypingPause;
        Edit::SetLineWidth(Session.History(), doc, *doc.LineList[0], width, Clock);
    }

    StepTime Clock = 0;
    QTemporaryDir Temp;
    QString StartFolder;
    DocumentSession Session;
};

TEST_F(DocumentSessionTest, OpenTextTakesTheFileWholeAndStartsClean) {
    QSignalSpy changed(&Session, &DocumentSession::Changed);
    const QString path = LoaderFile("style.txt");
    const DocumentSession::OpenOutcome outcome = Session.Open(path, KindRule::NameOrSignature);
    EXPECT_TRUE(outcome.Replaced);
    EXPECT_EQ(outcome.Failure, QString());
    EXPECT_EQ(outcome.Notice, QString());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Session.Kind(), DocumentKind::Text);
    EXPECT_EQ(Session.FileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(Session.TextFileName(), Session.FileName());
    EXPECT_EQ(Session.TextEncoding(), QByteArray("windows-1252"));
    EXPECT_EQ(Session.Compilable(), DocumentSession::CompileState::On);
    EXPECT_FALSE(Session.Modified());
    EXPECT_EQ(Session.Document().PointList.size(), 1u);
    EXPECT_EQ(Session.Document().LineList.size(), 1u);
    EXPECT_EQ(Session.Document().WorkFolder, QDir::currentPath().toStdString());
}

TEST_F(DocumentSessionTest, ImportTakesACompiledFileThatWaitsForATextSave) {
    Session.Document().WorkFolder = "/work/folder";
    const QString path = CompiledStyle("style.typ");
    const DocumentSession::OpenOutcome outcome = Session.Import(path);
    EXPECT_TRUE(outcome.Replaced);
    EXPECT_EQ(outcome.Failure, QString());
    EXPECT_EQ(outcome.Notice, QString());
    EXPECT_EQ(Session.Kind(), DocumentKind::Compiled);
    EXPECT_EQ(Session.FileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(Session.TextFileName(), QString()) << "saving asks for a text file's name";
    EXPECT_EQ(Session.Compilable(), DocumentSession::CompileState::BuiltInOnly);
    EXPECT_FALSE(Session.Modified());
    EXPECT_EQ(Session.Document().LineList.size(), 1u);
    EXPECT_EQ(Session.Document().WorkFolder, "/work/folder") << "a compiled file's folder is no work folder";
    EXPECT_EQ(Session.CompiledFileProposal(), QDir::toNativeSeparators(path));
}

TEST_F(DocumentSessionTest, FilesReadInPartAreTakenAndSaid) {
    // A text that stops at a number: the objects before it stay, and Save asks for a name.
    ASSERT_TRUE(Session.Open(LoaderFile("style.txt"), KindRule::NameOrSignature).Replaced);
    DocumentSession::OpenOutcome outcome =
        Session.Open(LoaderFile("stops_at_third.txt"), KindRule::Signature);
    EXPECT_TRUE(outcome.Replaced);
    EXPECT_EQ(outcome.Failure, QStringLiteral("'12a' is not a valid integer value"));
    EXPECT_EQ(Session.Document().PointList.size(), 2u);
    EXPECT_EQ(Session.TextFileName(), QString());
    EXPECT_EQ(Session.FileName(), QFileInfo(LoaderFile("stops_at_third.txt")).absoluteFilePath());
    EXPECT_FALSE(Session.Modified());

    // A compiled file cut short: the objects read, and how many they are.
    outcome = Session.Import(CompiledStyle("cut.typ", 12));
    EXPECT_TRUE(outcome.Replaced);
    EXPECT_EQ(outcome.Failure, QString());
    // The point's record comes last and is lost with the end of the file.
    EXPECT_TRUE(
        outcome.Notice.startsWith(QStringLiteral("Файл typ повреждён или обрывается: прочитано объектов 1 "
                                                 "(точек 0, линий 1, полигонов 0).\rThe file ends after ")))
        << outcome.Notice.toStdString();
}

TEST_F(DocumentSessionTest, OpenThatFailsLeavesTheDocumentAsItWas) {
    ASSERT_TRUE(Session.Open(LoaderFile("style.txt"), KindRule::NameOrSignature).Replaced);
    EditLineWidth(7);
    QSignalSpy changed(&Session, &DocumentSession::Changed);
    struct FailingOpen {
        const char* File;
        KindRule Rule;
        QString Failure;
    };
    const QString missing = TempFile("missing.typ");
    for (const FailingOpen& c :
         {FailingOpen{"missing.txt", KindRule::Signature,
                      QStringLiteral("Нельзя открыть файл.\rВозможно он занят другим приложением")},
          FailingOpen{"missing.typ", KindRule::Compiled,
                      QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing)},
          FailingOpen{nullptr, KindRule::NameOrSignature,
                      QStringLiteral("Этот файл не GARMIN TYP\rNot a Garmin TYP file")}}) {
        const QString path = c.File ? TempFile(c.File) : LoaderFile("plain.typ");
        const DocumentSession::OpenOutcome outcome = Session.Open(path, c.Rule);
        EXPECT_FALSE(outcome.Replaced) << path.toStdString();
        EXPECT_EQ(outcome.Failure, c.Failure);
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(Session.Modified());
    EXPECT_EQ(Session.Document().LineList[0]->LineWidth, 7);
    EXPECT_EQ(Session.FileName(), QFileInfo(LoaderFile("style.txt")).absoluteFilePath());
}

TEST_F(DocumentSessionTest, ChangedComesOncePerEditUndoRedoAndOpen) {
    QSignalSpy changed(&Session, &DocumentSession::Changed);
    Session.Open(LoaderFile("style.txt"), KindRule::NameOrSignature);
    EXPECT_EQ(changed.count(), 1);
    EditLineWidth(5);
    EXPECT_EQ(changed.count(), 2);
    EditLineWidth(6);
    EXPECT_EQ(changed.count(), 3);
    Session.History().Undo();
    EXPECT_EQ(changed.count(), 4);
    Session.History().Redo();
    EXPECT_EQ(changed.count(), 5);
    // An edit that changes nothing is no change.
    EditLineWidth(6);
    EXPECT_EQ(changed.count(), 5);
    // Steps that merge into the one before are changes each.
    EditLineWidth(7, true);
    EditLineWidth(8, true);
    EXPECT_EQ(changed.count(), 7);
    EXPECT_EQ(Session.History().Stack().count(), 3);
    Session.Import(CompiledStyle("style.typ"));
    EXPECT_EQ(changed.count(), 8);
    Session.New();
    EXPECT_EQ(changed.count(), 9);
    EXPECT_EQ(Session.Document().LineList.size(), 0u);
    EXPECT_EQ(Session.FileName(), QString());
    EXPECT_EQ(Session.Compilable(), DocumentSession::CompileState::Off);
}

TEST_F(DocumentSessionTest, ModifiedFollowsTheHistory) {
    const QString path = StyleCopy();
    Session.Open(path, KindRule::NameOrSignature);
    EXPECT_FALSE(Session.Modified());
    EditLineWidth(5);
    EXPECT_TRUE(Session.Modified());
    Session.History().Undo();
    EXPECT_FALSE(Session.Modified()) << "back at the state opened";
    Session.History().Redo();
    EXPECT_TRUE(Session.Modified());
    const DocumentSession::SaveOutcome saved = Session.Save();
    EXPECT_TRUE(saved.Saved);
    EXPECT_TRUE(saved.Written);
    EXPECT_FALSE(Session.Modified());
    EXPECT_NE(FileBytes(path).find("LineWidth=5"), std::string::npos);
    Session.History().Undo();
    EXPECT_TRUE(Session.Modified()) << "the saved file has the edit";
    Session.Open(path, KindRule::NameOrSignature);
    EXPECT_FALSE(Session.Modified());
    EXPECT_FALSE(Session.History().Stack().canUndo()) << "a new file starts a new history";
    // Saving what the file already says writes nothing.
    const DocumentSession::SaveOutcome unchanged = Session.Save();
    EXPECT_TRUE(unchanged.Saved);
    EXPECT_FALSE(unchanged.Written);
}

TEST_F(DocumentSessionTest, SaveAsMakesTheFileTheDocumentsTextFile) {
    Session.Import(CompiledStyle("style.typ"));
    EXPECT_FALSE(Session.Save().Saved) << "an imported document has no text file to save to";
    const QString target = TempFile("saved.txt");
    const DocumentSession::SaveOutcome outcome = Session.SaveAs(target);
    EXPECT_TRUE(outcome.Saved);
    EXPECT_EQ(outcome.Failure, QString());
    EXPECT_EQ(Session.Kind(), DocumentKind::Text);
    EXPECT_EQ(Session.FileName(), target);
    EXPECT_EQ(Session.TextFileName(), target);
    EXPECT_EQ(Session.Compilable(), DocumentSession::CompileState::On);
    EXPECT_EQ(Session.Document().WorkFolder, QDir::toNativeSeparators(Temp.path()).toStdString());
    TypDocument written;
    LoadTextTypDocument(FileBytes(target), written);
    EXPECT_EQ(written.LineList.size(), 1u);
}

TEST_F(DocumentSessionTest, SaveThatFailsKeepsTheOldFileAndTheChanges) {
    const QString path = StyleCopy();
    const std::string before = FileBytes(path);
    Session.Open(path, KindRule::NameOrSignature);
    EditLineWidth(9);
    DocumentSession::SaveOutcome outcome;
    {
        const FileSizeLimit limit(100);
        outcome = Session.Save();
    }
    EXPECT_FALSE(outcome.Saved);
    EXPECT_TRUE(outcome.Failure.contains(path)) << outcome.Failure.toStdString();
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_TRUE(Session.Modified());
    EXPECT_EQ(Session.TextFileName(), path);

    // A folder that does not exist.
    const QString nowhere = TempFile("no/such/folder/style.txt");
    outcome = Session.SaveAs(nowhere);
    EXPECT_FALSE(outcome.Saved);
    EXPECT_FALSE(outcome.Failure.isEmpty());
    EXPECT_TRUE(Session.Modified());
    EXPECT_EQ(Session.TextFileName(), path);
}

TEST_F(DocumentSessionTest, CompileGivesTheBytesOrWhyNot) {
    Session.Open(LoaderFile("style.txt"), KindRule::NameOrSignature);
    const DocumentSession::CompileOutcome compiled = Session.Compile();
    ASSERT_TRUE(compiled.Compiled) << compiled.Failure.toStdString();
    EXPECT_EQ(Session.CompiledFileProposal(), QDir::toNativeSeparators(LoaderFile("style.typ")));
    const QString target = TempFile("out.typ");
    EXPECT_EQ(DocumentSession::WriteCompiledFile(target, *compiled.Compiled), QString());
    const std::string bytes = FileBytes(target);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), compiled.Compiled->Bytes);
    EXPECT_FALSE(Session.Modified()) << "compiling saves no text";
    EXPECT_FALSE(
        DocumentSession::WriteCompiledFile(TempFile("no/such/out.typ"), *compiled.Compiled).isEmpty());

    Session.Document().LineList[0]->LineWidth = 250;
    Session.Document().LineList[0]->BorderWidth = 10;
    const DocumentSession::CompileOutcome failed = Session.Compile();
    EXPECT_FALSE(failed.Compiled);
    EXPECT_TRUE(failed.Failure.startsWith(QStringLiteral("TYP-файл не создан:\rCannot compile line type ")))
        << failed.Failure.toStdString();
}

} // namespace
} // namespace velmora
