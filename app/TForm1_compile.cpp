// The compile command "Создать TYP" / "TYP-файл": the session's built-in compiler compiles the open
// document and the window writes it where the user says; cGPSMapper is started on the text file last
// opened or saved.
#include "app/TForm1.h"

#include "app/creation_mode.h"
#include "app/language.h"

#include "dialogs/Thr.h"
#include "typbin/typ_compiler.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QStringList>

namespace velmora {

namespace {

QString UnsavedChangesQuestion() {
    return TForm1::tr("Были внесены изменения!\rФайл надо записать?");
}
// A message box of warnings lists this many and counts the rest.
constexpr size_t ShownWarnings = 20;

QString WarningsText(const QString& written, const std::vector<std::string>& warnings) {
    QStringList lines{written + u'.', TForm1::tr("Предупреждения компилятора:")};
    for (size_t i = 0; i < warnings.size() && i < ShownWarnings; ++i)
        lines << EngineMessage(warnings[i]);
    if (warnings.size() > ShownWarnings)
        lines << TForm1::tr("... и ещё %1").arg(qulonglong(warnings.size() - ShownWarnings));
    return lines.join(u'\r');
}

} // namespace

void TForm1::ToolButton9Click() {
    // The question about unsaved changes belongs to cGPSMapper, which reads the saved text; the
    // built-in compiler takes the document as it stands.
    const auto mayStartOutside = [this] {
        return Dialogs.Ask(UnsavedChangesQuestion(), QuestionButtons::YesNo, MessageKind::Warning) !=
               Answer::Yes;
    };
    const bool builtIn = BuiltInCompilerChosen(IniFile.get());
    if (!builtIn && Document.Modified && !mayStartOutside()) return;
    CompilerRequest request{IniFile.get(),
                            OpenDialog1FileName,
                            QFile::decodeName(QByteArray::fromStdString(Document.WorkFolder)),
                            {}};
    // Switched to cGPSMapper in the dialog: the question comes before it starts.
    if (builtIn && Document.Modified) request.MayStartOutsideCompiler = mayStartOutside;
    const Answer answer = Dialogs.CompileTyp(request);
    // The dialog writes the settings it changes.
    ReportUnwritableSettings();
    // The dialog stores the choice at once; it decides what OK meant.
    UpdateCompileCommand();
    if (answer == Answer::Ok && BuiltInCompilerChosen(IniFile.get())) CompileDocument();
}

void TForm1::CompileDocument() {
    // The report of an earlier compilation must not stand beside this one's failure.
    StatusBar1->clearMessage();
    const DocumentSession::CompileOutcome outcome = Session.Compile();
    if (!outcome.Compiled) {
        // Nothing is asked and nothing written for a document that does not compile whole.
        Dialogs.Message(outcome.Failure, MessageKind::Error);
        return;
    }
    const CompileResult& compiled = *outcome.Compiled;
    const std::optional<QString> fileName =
        Dialogs.SaveFileName({tr("Создать TYP"), QStringLiteral("Garmin Typ (*.typ)"), QStringLiteral("typ"),
                              true, Session.CompiledFileProposal()});
    if (!fileName) return;
    if (const QString failure = DocumentSession::WriteCompiledFile(*fileName, compiled); !failure.isEmpty()) {
        Dialogs.Message(failure, MessageKind::Error);
        return;
    }
    const QString target = QDir::toNativeSeparators(QFileInfo(*fileName).absoluteFilePath());
    const QString written =
        tr("Записан файл %1 (%2 байт)").arg(target).arg(qulonglong(compiled.Bytes.size()));
    StatusBar1->showMessage(compiled.Warnings.empty()
                                ? written
                                : written + tr(", предупреждений: %1").arg(compiled.Warnings.size()));
    if (!compiled.Warnings.empty())
        Dialogs.Message(WarningsText(written, compiled.Warnings), MessageKind::Warning);
}

void TForm1::SetCompilable(CompileState state) {
    Session.SetCompilable(state);
    UpdateCompileCommand();
}

void TForm1::UpdateCompileCommand() {
    const CompileState state = Session.Compilable();
    const bool enabled = state == CompileState::On ||
                         (state == CompileState::BuiltInOnly && BuiltInCompilerChosen(IniFile.get()));
    ToolButton9->setEnabled(enabled);
    // Creation mode keeps the menu item off with the rest of its group.
    TYP1->setEnabled(enabled && !Creation->Active());
}

} // namespace velmora
