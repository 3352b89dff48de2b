#include "app/RealPrompts.h"

#include "app/Ab.h"
#include "app/language.h"
#include "view/colour.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextBrowser>
#include <QWidget>

namespace velmora {

namespace {

QMessageBox::Icon BoxIcon(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The dialog title of message boxes: the program's name, as the platform's boxes show it.
const QString BoxTitle = QStringLiteral("Velmora");

} // namespace

RealPrompts::RealPrompts() = default;

RealPrompts::~RealPrompts() {
    DestroyDialogs();
}

void RealPrompts::CreateAboutBox() {
    if (!AboutBox) AboutBox = std::make_unique<TAboutBox>();
}

std::optional<QString> RealPrompts::OpenFileName(const OpenFileQuestion& question) {
    QString name =
        QFileDialog::getOpenFileName(Parent, question.Caption, question.ProposedName, question.Filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> RealPrompts::SaveFileName(const SaveFileQuestion& question) {
    QFileDialog dialog(Parent, question.Caption, question.ProposedName, question.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.DefaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !question.AskOverwrite);
    if (!question.ProposedName.isEmpty()) dialog.selectFile(question.ProposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void RealPrompts::Message(const QString& text, MessageKind kind) {
    QMessageBox box(BoxIcon(kind), BoxTitle, MessageText(text), QMessageBox::Ok, Parent);
    box.exec();
}

Answer RealPrompts::Ask(const QString& text, QuestionButtons buttons, MessageKind kind) {
    QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
    if (buttons == QuestionButtons::YesNoCancel) offered |= QMessageBox::Cancel;
    QMessageBox box(BoxIcon(kind), BoxTitle, MessageText(text), offered, Parent);
    box.setEscapeButton(buttons == QuestionButtons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == QuestionButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<ColourValue> RealPrompts::StandardColour(ColourValue preset) {
    QColor picked = QColorDialog::getColor(ToQColor(preset), Parent);
    if (!picked.isValid()) return std::nullopt;
    return FromQColor(picked);
}

void RealPrompts::ShowAbout() {
    CreateAboutBox();
    AboutBox->exec();
}

void RealPrompts::ShowHelp() {
    if (!HelpWindow) {
        HelpWindow = std::make_unique<QTextBrowser>();
        HelpWindow->setWindowTitle(QCoreApplication::translate("Help", "Velmora — справка"));
        HelpWindow->resize(640, 720);
        HelpWindow->setOpenExternalLinks(false);
        // Closing the main window ends the program also while the help stays open.
        HelpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    }
    HelpWindow->setSource(QUrl(HelpPageUrl()));
    HelpWindow->show();
    HelpWindow->raise();
    HelpWindow->activateWindow();
}

} // namespace velmora
