// The program entry: the language first, then the main window (its closing ends the program), the
// about box and the dialogs; a file named on the command line is opened at start.
#include "app/RealPrompts.h"
#include "app/TForm1.h"
#include "app/language.h"
#include "app/toolbar_icons.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(velmora::ProgramIconImage());

    // The window speaks the language of Velmora.ini or of the user; Qt's dialogs speak the same one.
    const velmora::UiLanguage language = velmora::StartLanguage(QDir::currentPath());
    const velmora::Translations translations(language);
    velmora::MatchLocaleToLanguage(language, QLocale::system());

    velmora::RealPrompts prompts;
    velmora::TForm1 form(prompts);
    prompts.SetParentWindow(&form);
    prompts.CreateAboutBox();
    prompts.CreateDialogs();
    form.show();

    QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) form.OpenFile(arguments.at(1));
    return QApplication::exec();
}
