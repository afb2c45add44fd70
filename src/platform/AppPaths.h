#pragma once

#include <QString>

namespace ondrix {

// Per-user file locations, resolved from the XDG base-directory variables each time they are asked for
// (so a test that points XDG_* at a temporary folder sees its own paths).
namespace AppPaths {

// $XDG_CONFIG_HOME/Ondrix (default ~/.config/Ondrix).
QString configDir();
// $XDG_DATA_HOME/Ondrix (default ~/.local/share/Ondrix).
QString dataDir();
// $XDG_STATE_HOME/Ondrix (default ~/.local/state/Ondrix).
QString stateDir();

QString preferencesFile();
// The lock one running Ondrix holds beside the preferences store: two instances on one store would upload the
// same files and write over each other's records, whatever their runtime folders.
QString instanceLockFile();
QString logFile();
QString historyFile();

} // namespace AppPaths
} // namespace ondrix
