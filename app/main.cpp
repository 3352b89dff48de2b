// The program entry: the main window first (its closing ends the program), then the about box and
// the dialogs; a file named on the command line is opened at start.
#include "app/RealPrompts.h"
#include "app/TForm1.h"
#include "app/toolbar_icons.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(velmora::ProgramIconImage());

    // The platform's dialogs (files, colours, message box buttons) speak the window's language.
    QTranslator platformTexts;
    if (platformTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&platformTexts);

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
