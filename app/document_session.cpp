#include "app/document_session.h"

#include "app/language.h"
#include "app/text_encoding.h"
#include "commands/edit_history.h"
#include "model/text_format.h"
#include "typbin/binary_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUndoStack>

#include <cerrno>
#include <new>
#include <string_view>

namespace velmora {

namespace {

// Texts are translated when they are worded, so that they follow the translator installed at start.
QString CannotOpenMessage() {
    return DocumentSession::tr("Нельзя открыть файл.\rВозможно он занят другим приложением");
}
QString NotGarminTypText() {
    return DocumentSession::tr("Этот файл не GARMIN TYP\rNot a Garmin TYP file");
}

std::string ToLocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QString MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& caught) {
        return ErrorMessage(caught);
    }
}

// A damaged file is not taken silently: the user learns how much of it made it into the document.
QString DamagedFileNotice(const TypDocument& doc, const std::vector<std::string>& warnings) {
    const size_t points = doc.PointList.size();
    const size_t lines = doc.LineList.size();
    const size_t polygons = doc.PolygonList.size();
    QStringList text;
    text << DocumentSession::tr(
                "Файл typ повреждён или обрывается: прочитано объектов %1 (точек %2, линий %3, "
                "полигонов %4).")
                .arg(points + lines + polygons)
                .arg(points)
                .arg(lines)
                .arg(polygons);
    for (const std::string& warning : warnings)
        text << EngineMessage(warning);
    return text.join(u'\r');
}

} // namespace

DocumentSession::DocumentSession(QObject* parent)
    : QObject(parent), Steps(std::make_unique<EditHistory>(Doc)), Encoding(DefaultTextEncoding) {
    // Every step pushed, merged, undone or redone moves the history's index: one change each.
    connect(&Steps->Stack(), &QUndoStack::indexChanged, this, [this] {
        if (!Replacing) emit Changed();
    });
}

DocumentSession::~DocumentSession() {
    // The history empties itself as it goes; that is no change anybody is to follow.
    QObject::disconnect(&Steps->Stack(), nullptr, this, nullptr);
}

void DocumentSession::Replace(TypDocument&& loaded) {
    Replacing = true;
    // The steps of the old document refer to its objects: they go before the objects do.
    Steps->Restart();
    Doc = std::move(loaded);
    Doc.CurrentObject = nullptr;
    Steps->Restart();
    Replacing = false;
}

void DocumentSession::New() {
    Replace(TypDocument());
    OpenedFile.clear();
    TextFile.clear();
    FileKind = DocumentKind::Text;
    Encoding = DefaultTextEncoding;
    CompileRule = CompileState::Off;
    emit Changed();
}

QString DocumentSession::OpenFailureMessage(const std::exception& error) {
    // A file the user may not read is not one that another program holds: the file error says so.
    const auto* file = dynamic_cast<const FileError*>(&error);
    if (file && (file->SystemError == EACCES || file->SystemError == EPERM)) return ErrorMessage(error);
    return CannotOpenMessage();
}

DocumentSession::OpenOutcome DocumentSession::Open(const QString& fileName, KindRule rule) {
    return Take([&] { return LoadTypFile(ToLocalPath(fileName), rule); }, fileName, rule);
}

DocumentSession::OpenOutcome DocumentSession::ImportBytes(const QByteArray& bytes, const QString& name) {
    return Take([&] { return LoadTypBytes(bytes.toStdString(), ToLocalPath(name), KindRule::Compiled); },
                name, KindRule::Compiled);
}

DocumentSession::OpenOutcome DocumentSession::Take(const std::function<LoadedDocument()>& load,
                                                   const QString& fileName, KindRule rule) {
    OpenOutcome outcome;
    LoadedDocument loaded;
    try {
        loaded = load();
    } catch (const FileError& error) {
        // The import command words its file errors itself; the open commands as "cannot open".
        outcome.Failure = rule == KindRule::Compiled ? ErrorMessage(error) : OpenFailureMessage(error);
        return outcome;
    } catch (const std::bad_alloc&) {
        outcome.Failure = CannotOpenMessage();
        return outcome;
    } catch (const std::exception& error) {
        // The message of a file of another kind is the program's own, in both of its languages.
        outcome.Failure = error.what() == NotGarminTypMessage ? NotGarminTypText() : ErrorMessage(error);
        return outcome;
    }
    if (loaded.Kind == DocumentKind::Compiled)
        TakeCompiled(loaded, fileName, outcome);
    else
        TakeText(loaded, fileName, outcome);
    outcome.Replaced = true;
    emit Changed();
    return outcome;
}

void DocumentSession::TakeText(LoadedDocument& loaded, const QString& fileName, OpenOutcome& outcome) {
    const bool read = !loaded.PartialError;
    Replace(std::move(loaded.Document));
    Doc.WorkFolder = ToLocalPath(QDir::currentPath());
    FileKind = DocumentKind::Text;
    OpenedFile = QFileInfo(fileName).absoluteFilePath();
    TextFile = OpenedFile;
    // The reader judges UTF-8 without the program's own head lines, which are 1251 in files whose
    // compiler reads them in another code page.
    Encoding = Doc.Utf8 ? Utf8Encoding : ChooseTextEncoding(loaded.EncodingSample, Doc.HeaderLines);
    if (!read) {
        // Writing a file read only in part without asking would cut off the rest of it. The objects
        // completed before the error stay and are shown.
        TextFile.clear();
        outcome.Failure = MessageOf(loaded.PartialError);
        return;
    }
    CompileRule = CompileState::On;
    if (Doc.PointList.empty() && Doc.LineList.empty() && Doc.PolygonList.empty()) {
        // Not a style at all, most likely: saving asks before anything is written over it.
        TextFile.clear();
        outcome.Notice = tr("В файле не найдено ни одного раздела объектов ([_point], [_line], "
                            "[_polygon]):\r%1")
                             .arg(QDir::toNativeSeparators(OpenedFile));
    }
}

void DocumentSession::TakeCompiled(LoadedDocument& loaded, const QString& fileName, OpenOutcome& outcome) {
    // WorkFolder stays the session's: the compiled file's folder is no text file's.
    std::string workFolder = std::move(Doc.WorkFolder);
    Replace(std::move(loaded.Document));
    Doc.WorkFolder = std::move(workFolder);
    FileKind = DocumentKind::Compiled;
    Encoding = ChooseTextEncoding(loaded.EncodingSample, Doc.HeaderLines);
    // cGPSMapper waits for a save as text; the built-in compiler takes the document as it is.
    CompileRule = CompileState::BuiltInOnly;
    OpenedFile = QFileInfo(fileName).absoluteFilePath();
    TextFile.clear();
    if (!loaded.Warnings.empty()) outcome.Notice = DamagedFileNotice(Doc, loaded.Warnings);
}

DocumentSession::SaveOutcome DocumentSession::Save() {
    if (TextFile.isEmpty()) return {};
    // The file already says what the document holds: writing it again would only change its date line.
    if (!Doc.Modified) return {true, false, {}};
    return SaveAs(TextFile);
}

DocumentSession::SaveOutcome DocumentSession::SaveAs(const QString& fileName) {
    const QFileInfo saved(fileName);
    try {
        WriteFileAtomically(ToLocalPath(saved.absoluteFilePath()), WriteTextTyp(Doc, CurrentDateTimeText()));
    } catch (const TypError& error) {
        // The old file stays as it was, and so does the document: still modified.
        return {false, false, ErrorMessage(error)};
    }
    Doc.WorkFolder = ToLocalPath(QDir::toNativeSeparators(saved.absolutePath()));
    Steps->MarkSaved();
    FileKind = DocumentKind::Text;
    OpenedFile = saved.absoluteFilePath();
    TextFile = OpenedFile;
    CompileRule = CompileState::On;
    return {true, true, {}};
}

DocumentSession::CompileOutcome DocumentSession::Compile() const {
    try {
        return {CompileTyp(Doc), {}};
    } catch (const std::exception& error) {
        return {std::nullopt, tr("TYP-файл не создан:\r") + ErrorMessage(error)};
    }
}

QString DocumentSession::CompiledFileProposal() const {
    // "C:/Maps/topo.txt" offers "C:/Maps/topo.typ".
    if (OpenedFile.isEmpty()) return {};
    const QFileInfo file(OpenedFile);
    return QDir::toNativeSeparators(file.dir().filePath(file.completeBaseName() + QStringLiteral(".typ")));
}

QString DocumentSession::WriteCompiledFile(const QString& fileName, const CompileResult& compiled) {
    try {
        WriteFileAtomically(
            ToLocalPath(QFileInfo(fileName).absoluteFilePath()),
            std::string_view(reinterpret_cast<const char*>(compiled.Bytes.data()), compiled.Bytes.size()));
    } catch (const std::exception& error) {
        return ErrorMessage(error);
    }
    return {};
}

} // namespace velmora
