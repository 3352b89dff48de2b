// The open document and everything that belongs to it rather than to a window: its file and the
// kind of that file, the encoding of its texts, its undo history, whether it can be compiled. Open,
// import, save and the built-in compiler go through here (files are read by the document loader);
// the window asks the user for names and shows what came back. Changed() tells every view and panel
// that the document is another than it was.
#pragma once

#include "model/maintyp.h"
#include "typbin/document_loader.h"
#include "typbin/typ_compiler.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <exception>
#include <memory>
#include <optional>

namespace velmora {

class EditHistory;

class DocumentSession : public QObject {
    Q_OBJECT
  public:
    // When the compile command is on: cGPSMapper reads the text file last opened or saved, so an
    // imported document waits for a save as text (BuiltInOnly); the built-in compiler compiles
    // whatever document is open.
    enum class CompileState { Off, BuiltInOnly, On };

    // What an open or import did. Failure and Notice are messages in the user's language (empty:
    // none); Failure goes with an error, Notice with a warning.
    struct OpenOutcome {
        bool Replaced = false; // the document is the file's now (perhaps only in part)
        QString Failure;
        QString Notice;
    };
    // What a save did: Saved when the document is the file's (Written when bytes went to the file;
    // an unmodified document is not written again). Failure: the message in the user's language.
    struct SaveOutcome {
        bool Saved = false;
        bool Written = false;
        QString Failure;
    };
    // The built-in compiler's result, or the message of why the document does not compile.
    struct CompileOutcome {
        std::optional<CompileResult> Compiled;
        QString Failure;
    };

    explicit DocumentSession(QObject* parent = nullptr);
    ~DocumentSession() override;
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    // The one document of the session: opening and importing fill this same object.
    TypDocument& Document() { return Doc; }
    const TypDocument& Document() const { return Doc; }
    // The undo history of the document; it alone decides Modified.
    EditHistory& History() { return *Steps; }
    bool Modified() const { return Doc.Modified; }

    // The file the document was last opened from or saved to (absolute), or empty.
    const QString& FileName() const { return OpenedFile; }
    // The kind of that file; a new document is text (it is saved as text).
    DocumentKind Kind() const { return FileKind; }
    // The text file that Save writes without asking: the one the document was read whole from or last
    // saved to. Empty for a new or imported document, and for a file read only in part.
    const QString& TextFileName() const { return TextFile; }
    // Save asks for a name from now on, as for a document that has no text file of its own.
    void ForgetTextFile() { TextFile.clear(); }
    // The encoding of the labels and header lines (ICU name).
    const QByteArray& TextEncoding() const { return Encoding; }

    CompileState Compilable() const { return CompileRule; }
    // Creating an object makes even a new document compilable.
    void SetCompilable(CompileState state) { CompileRule = state; }

    // A new, empty document without a file.
    void New();
    // Opens fileName: a compiled file by rule, else text. The old document is replaced only by what
    // was read: a text file read in part replaces it (Failure says where it stopped), a file that
    // cannot be read or is no compiled TYP leaves it as it was.
    OpenOutcome Open(const QString& fileName, KindRule rule);
    // Opens fileName as a compiled file.
    OpenOutcome Import(const QString& fileName) { return Open(fileName, KindRule::Compiled); }
    // Writes the document as text to TextFileName(), when it is modified; needs a text file.
    SaveOutcome Save();
    // Writes the document as text to fileName, which becomes its text file.
    SaveOutcome SaveAs(const QString& fileName);

    // The built-in compiler on the document as it stands.
    CompileOutcome Compile() const;
    // Where the compiled file is proposed to go: the document's file with the extension ".typ".
    QString CompiledFileProposal() const;
    // Writes the compiled bytes to fileName; the message of the failure, or empty.
    static QString WriteCompiledFile(const QString& fileName, const CompileResult& compiled);

    // The message of a file that cannot be opened: why, where the reason is no permission; the
    // general message otherwise.
    static QString OpenFailureMessage(const std::exception& error);

  signals:
    // The document changed: an edit, undo or redo, or another document (opened, imported, new).
    // Once per change.
    void Changed();

  private:
    // Puts the loaded document in the place of the old one with a new history.
    void Replace(TypDocument&& loaded);
    void TakeText(LoadedDocument& loaded, const QString& fileName, OpenOutcome& outcome);
    void TakeCompiled(LoadedDocument& loaded, const QString& fileName, OpenOutcome& outcome);

    TypDocument Doc;
    std::unique_ptr<EditHistory> Steps;
    QString OpenedFile;
    QString TextFile;
    DocumentKind FileKind = DocumentKind::Text;
    QByteArray Encoding;
    CompileState CompileRule = CompileState::Off;
    // While an open replaces the document, the history's own signals are not changes of their own.
    bool Replacing = false;
};

} // namespace velmora
