#include "app/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora {

QString UserConfigFolder() {
    // The application's name is spelt out, so the folder is the same in every program that asks.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Velmora"));
}

QString SettingsFilePath(const QString& startFolder, const QString& configFolder) {
    const QString local = QDir(startFolder).filePath(QLatin1String(SettingsFileName));
    if (QFileInfo(local).isFile()) return local;
    return QDir(configFolder).filePath(QLatin1String(SettingsFileName));
}

QString StartSettingsFile() {
    return SettingsFilePath(QDir::currentPath(), UserConfigFolder());
}

bool WriteSettings(QSettings& settings) {
    // QSettings makes the missing folders itself and keeps the first error it met; a file it could
    // not parse is still written over.
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

} // namespace velmora
