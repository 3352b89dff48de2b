// Where the settings file Velmora.ini lives. A Velmora.ini in the folder the editor starts in is used
// as it is (settings kept from before, or a portable setup beside the program); otherwise the
// settings live in the user's configuration folder, and the start folder is never written to.
#pragma once

#include <QString>

class QSettings;

namespace velmora {

inline constexpr char SettingsFileName[] = "Velmora.ini";

// The user's configuration folder of the program: $XDG_CONFIG_HOME/Velmora, or ~/.config/Velmora
// (what QStandardPaths::AppConfigLocation gives for the application "Velmora").
QString UserConfigFolder();

// The settings file for a start in startFolder: its Velmora.ini when there is one, else the
// Velmora.ini of configFolder (which need not exist yet: the first write creates it).
QString SettingsFilePath(const QString& startFolder, const QString& configFolder);

// The settings file of a start in the current folder.
QString StartSettingsFile();

// Writes what changed to the file; false when the file cannot be written (the settings stay as set
// for the rest of the run).
bool WriteSettings(QSettings& settings);

} // namespace velmora
