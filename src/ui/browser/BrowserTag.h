#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

namespace ondrix {

// A colour mark the user puts on a remote entry in the browser. It lives only in this application's store,
// never on the server.
enum class BrowserTag { red, orange, yellow, green, blue, purple, gray };

QList<BrowserTag> allBrowserTags();
// The stored name: "red", "orange", "yellow", "green", "blue", "purple", "gray".
QString storedName(BrowserTag tag);
std::optional<BrowserTag> browserTagFromStoredName(const QString& name);
// The translated name for menus ("Red").
QString displayName(BrowserTag tag);
// The colour of the dot drawn beside a tagged entry.
QColor colour(BrowserTag tag);

} // namespace ondrix
