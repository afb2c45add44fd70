#pragma once

#include <QString>

namespace ondrix {

class PreferencesStore;

// The language the interface starts in: the first entry of the stored "AppleLanguages" list (the language
// setting writes it, and so may a script while Ondrix is stopped), or "system" when there is none.
QString startLanguage(const PreferencesStore& store);

// Installs Ondrix's and Qt's own translations for `preferredLanguage` ("system" follows the desktop: the
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG variables). Returns the language loaded, or an empty string when the
// interface stays English (then only the English singular and plural forms of counted texts are installed).
// Replaces the languages an earlier call installed, so the command line can speak the desktop's language
// until the stored one is known. Call before any window is built: a change of the setting applies at the next
// start.
QString installTranslations(const QString& preferredLanguage);

} // namespace ondrix
