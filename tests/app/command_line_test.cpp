// velmora --help and --version answer on standard output without a window: the program is run with a
// display that does not exist, which any window would need.
#include "app/settings_file.h"
#include "model/maintyp.h"
#include "tests/app/window_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace velmora {
namespace {

struct CommandLineCase {
    const char* Argument;
    const char* Language;     // LANGUAGE of the environment
    const char* StoredChoice; // Interface/Language of a Velmora.ini in the start folder, or null
    const char* OutputStart;
};

const CommandLineCase CommandLineCases[] = {
    {"--version", "en", nullptr, "velmora Version " VELMORA_VERSION "\n"},
    {"-V", "ru", nullptr, "velmora Version " VELMORA_VERSION "\n"},
    {"--help", "en", nullptr, "Usage:\n  velmora [FILE]\n      start the TYP file editor"},
    {"-h", "ru", nullptr, "Использование:\n  velmora [ФАЙЛ]\n      запустить редактор TYP-файлов"},
    // The language chosen in the window's menu speaks here too.
    {"--help", "ru", "en", "Usage:\n  velmora [FILE]\n"},
};

TEST(EditorCommandLine, HelpAndVersionAnswerWithoutADisplay) {
    for (const CommandLineCase& row : CommandLineCases) {
        SCOPED_TRACE(std::string(row.Argument) + " LANGUAGE=" + row.Language);
        QTemporaryDir start;
        ASSERT_TRUE(start.isValid());
        if (row.StoredChoice)
            QSettings(QDir(start.path()).filePath(QLatin1String(SettingsFileName)), QSettings::IniFormat)
                .setValue(QStringLiteral("Interface/Language"), QLatin1String(row.StoredChoice));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(row.Language));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QDir(start.path()).filePath(QStringLiteral("c")));
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(start.path());
        editor.start(QStringLiteral(VELMORA_EDITOR), {QLatin1String(row.Argument)});
        ASSERT_TRUE(editor.waitForFinished(30000));
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(editor.exitCode(), 0);
        EXPECT_EQ(editor.readAllStandardError(), QByteArray());
        const QString output = QString::fromUtf8(editor.readAllStandardOutput());
        EXPECT_TRUE(output.startsWith(QString::fromUtf8(row.OutputStart))) << output.toStdString();
        // Nothing was written: the configuration folder is not even made.
        EXPECT_FALSE(QFileInfo::exists(QDir(start.path()).filePath(QStringLiteral("c"))));
    }
}

} // namespace
} // namespace velmora
