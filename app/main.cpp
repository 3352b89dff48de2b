// The program entry: --help and --version answered without a window; otherwise the settings file and
// the language first, then the main window (its closing ends the program), the about box and the
// dialogs; a file named on the command line is opened at start.
#include "app/RealPrompts.h"
#include "app/TForm1.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/settings_file.h"
#include "app/toolbar_icons.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QStringList>

#include <optional>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = velmora::AnswerWithoutWindow(argc, argv)) return *status;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(velmora::ProgramIconImage());
    // The desktop finds the window's entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_DESKTOP_ID));

    // Velmora.ini of the start folder or of the user's configuration folder, decided once.
    const QString settingsFolder = QFileInfo(velmora::StartSettingsFile()).absolutePath();
    // The window speaks the language of Velmora.ini or of the user; Qt's dialogs speak the same one.
    const velmora::UiLanguage language = velmora::StartLanguage(settingsFolder);
    const velmora::Translations translations(language);
    velmora::MatchLocaleToLanguage(language, QLocale::system());

    velmora::RealPrompts prompts;
    velmora::TForm1 form(prompts, settingsFolder);
    prompts.SetParentWindow(&form);
    prompts.CreateAboutBox();
    prompts.CreateDialogs();
    form.show();

    QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) form.OpenFile(arguments.at(1));
    return QApplication::exec();
}
