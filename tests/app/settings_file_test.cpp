// Where Velmora.ini is read and written: the start folder's file when it has one, else the user's
// configuration folder; a settings file that cannot be written is said once and stops nothing.
#include "app/settings_file.h"
#include "tests/app/window_fixture.h"

#include <QFileDevice>
#include <QStatusBar>

#include <iostream>

namespace velmora {
namespace {

enum class Place { Nowhere, StartFolder, ConfigFolder };

const char* PlaceName(Place place) {
    switch (place) {
    case Place::StartFolder:
        return "the start folder";
    case Place::ConfigFolder:
        return "the configuration folder";
    default:
        return "nowhere";
    }
}

enum class ConfigFolder { Writable, ReadOnly, CannotBeMade };

struct SettingsCase {
    const char* Name;
    bool FileInStartFolder;
    bool FileInConfigFolder;
    ConfigFolder Config;
    Place ReadFrom;
    Place WrittenTo;
};

const SettingsCase SettingsCases[] = {
    {"no file anywhere", false, false, ConfigFolder::Writable, Place::Nowhere, Place::ConfigFolder},
    {"a file in the configuration folder", false, true, ConfigFolder::Writable, Place::ConfigFolder,
     Place::ConfigFolder},
    {"a file in the start folder", true, false, ConfigFolder::Writable, Place::StartFolder,
     Place::StartFolder},
    {"a file in both", true, true, ConfigFolder::Writable, Place::StartFolder, Place::StartFolder},
    {"a read-only configuration folder", false, true, ConfigFolder::ReadOnly, Place::ConfigFolder,
     Place::Nowhere},
    {"a configuration folder that cannot be made", false, false, ConfigFolder::CannotBeMade, Place::Nowhere,
     Place::Nowhere},
};

const QString OriginKey = QStringLiteral("Test/Origin");
const QString WrittenKey = QStringLiteral("Test/Written");

void WriteIni(const QString& folder, const QString& origin) {
    ASSERT_TRUE(QDir().mkpath(folder));
    QSettings ini(QDir(folder).filePath(QLatin1String(SettingsFileName)), QSettings::IniFormat);
    ini.setValue(OriginKey, origin);
    ini.sync();
    ASSERT_EQ(ini.status(), QSettings::NoError);
}

// Whether the folder's Velmora.ini holds the line. The file itself is read: QSettings objects of one
// process share what is not yet written.
bool FileHolds(const QString& folder, const char* line) {
    return FileBytes(QDir(folder).filePath(QLatin1String(SettingsFileName))).find(line) != std::string::npos;
}

// Whether this process can create a file in folder (root can in a read-only one).
bool CanWriteIn(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.remove();
    return true;
}

TEST(SettingsFile, ReadAndWrittenWhereTheStartFolderOrTheConfigurationFolderSays) {
    for (const SettingsCase& row : SettingsCases) {
        SCOPED_TRACE(row.Name);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const QString start = QDir(temp.path()).filePath(QStringLiteral("start"));
        const QString config = QDir(temp.path()).filePath(QStringLiteral("config/Velmora"));
        ASSERT_TRUE(QDir().mkpath(start));
        if (row.FileInStartFolder) WriteIni(start, QStringLiteral("start"));
        if (row.FileInConfigFolder) WriteIni(config, QStringLiteral("config"));
        if (row.Config == ConfigFolder::ReadOnly) {
            ASSERT_TRUE(QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (CanWriteIn(config)) {
                QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
                std::cout << "[   NOTE   ] " << row.Name
                          << ": not checked, this user writes into read-only folders\n";
                continue;
            }
        }
        if (row.Config == ConfigFolder::CannotBeMade) {
            QFile blocker(QDir(temp.path()).filePath(QStringLiteral("config")));
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }

        QSettings settings(SettingsFilePath(start, config), QSettings::IniFormat);
        const QString read = settings.value(OriginKey).toString();
        settings.setValue(WrittenKey, QStringLiteral("yes"));
        const bool written = WriteSettings(settings);

        const QString expectedRead = row.ReadFrom == Place::StartFolder    ? QStringLiteral("start")
                                     : row.ReadFrom == Place::ConfigFolder ? QStringLiteral("config")
                                                                           : QString();
        EXPECT_EQ(read, expectedRead) << "read from " << PlaceName(row.ReadFrom);
        EXPECT_EQ(written, row.WrittenTo != Place::Nowhere);
        EXPECT_EQ(FileHolds(start, "Written=yes"), row.WrittenTo == Place::StartFolder);
        EXPECT_EQ(FileHolds(config, "Written=yes"), row.WrittenTo == Place::ConfigFolder);
        // The start folder never gains a settings file, and the other file keeps what it held.
        EXPECT_EQ(QFile::exists(QDir(start).filePath(QLatin1String(SettingsFileName))),
                  row.FileInStartFolder);
        if (row.FileInConfigFolder) {
            EXPECT_TRUE(FileHolds(config, "Origin=config"));
        }
        QFile::setPermissions(config,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST(SettingsFile, ConfigurationFolderFollowsXdgConfigHome) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString folder = UserConfigFolder();
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", before);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(folder, QDir(home.path()).filePath(QStringLiteral("Velmora")));
}

// A window whose Velmora.ini cannot be written: a folder stands where the file would be.
class UnwritableSettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        ASSERT_TRUE(QDir(Temp.path()).mkdir(QLatin1String(SettingsFileName)));
        Form = std::make_unique<TForm1>(Prompts, Temp.path());
    }
    QTemporaryDir Temp;
    ScriptedPrompts Prompts;
    std::unique_ptr<TForm1> Form;
};

TEST_F(UnwritableSettingsTest, SaysSoOnceInTheStatusBarAndGoesOn) {
    // Neither choice is announced for the next start: it cannot be kept.
    Form->English1->trigger();
    const QString message = Form->StatusBar1->currentMessage();
    EXPECT_TRUE(message.contains(QDir(Temp.path()).filePath(QLatin1String(SettingsFileName))))
        << message.toStdString();
    Form->StatusBar1->clearMessage();
    Form->Russian1->trigger();
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());
    // Closing writes the layout and fails again, silently; the window still closes.
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());
    EXPECT_TRUE(Prompts.Log.empty());
}

} // namespace
} // namespace velmora
