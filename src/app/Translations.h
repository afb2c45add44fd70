#pragma once

#include <QString>
#include <QStringList>

namespace ondrix {

// The interface languages Ondrix ships, as locale names ("de", "pt_BR"); English is the source language.
QStringList shippedLanguages();

// Installs Ondrix's and Qt's own translations for `preferredLanguage` ("system" follows the desktop: the
// LANGUAGE and LANG variables). Returns the language loaded, or an empty string when the interface stays
// English. Call once at start, before any window is built: a change of the setting applies at the next start.
QString installTranslations(const QString& preferredLanguage);

} // namespace ondrix
