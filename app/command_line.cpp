#include "app/command_line.h"

#include "app/language.h"
#include "app/settings_file.h"
#include "model/maintyp.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstring>

namespace velmora {

namespace {

struct CommandLineForm {
    const char* Synopsis;
    const char* Description;
};

// The forms of the command line, marked for translation where they stand.
constexpr std::array<CommandLineForm, 3> Forms{{
    {QT_TRANSLATE_NOOP("CommandLine", "velmora [ФАЙЛ]"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "запустить редактор TYP-файлов; ФАЙЛ (текстовый или скомпилированный TYP-файл) "
                       "открывается сразу")},
    {"velmora --help", QT_TRANSLATE_NOOP("CommandLine", "показать эту справку")},
    {"velmora --version", QT_TRANSLATE_NOOP("CommandLine", "показать версию программы")},
}};

bool Is(const char* argument, const char* longName, const char* shortName) {
    return std::strcmp(argument, longName) == 0 || std::strcmp(argument, shortName) == 0;
}

void Print(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace

QString CommandLineHelp() {
    QString text = QCoreApplication::translate("CommandLine", "Использование:") + u'\n';
    for (const CommandLineForm& form : Forms)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QCoreApplication::translate("CommandLine", form.Synopsis),
                         QCoreApplication::translate("CommandLine", form.Description));
    return text;
}

QString CommandLineVersion() {
    return QStringLiteral("velmora ") + QString::fromUtf8(VersionText.data(), qsizetype(VersionText.size()));
}

std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "--version", "-V")) {
            Print(CommandLineVersion() + u'\n');
            return 0;
        }
        if (Is(argv[i], "--help", "-h")) {
            // The help speaks the window's language; translations need an application, not a display.
            QCoreApplication application(argc, argv);
            const Translations translations(StartLanguage(QFileInfo(StartSettingsFile()).absolutePath()));
            Print(CommandLineHelp());
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace velmora
