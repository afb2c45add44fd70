#pragma once

#include <QSet>
#include <QString>

namespace ondrix {

// A connection's extension filter: the one parser of extension-list texts, shared by the upload engine and
// the filter presets, so that what the editor shows as a preset's lists is what the engine applies.
//
// A list text is split at every ","; each piece is trimmed of spaces and tabs (not line breaks) and
// lower-cased; pieces that are then empty are dropped ("jpg, " is the one extension jpg, and never stands for
// files without an extension). A leading dot is kept.
class ExtensionFilter {
public:
    static QSet<QString> parse(const QString& listText);
    // One piece of a list text as the list means it: trimmed of spaces and tabs, lower-cased; empty for none.
    static QString normalised(QStringView piece);

    ExtensionFilter(const QString& includedText, const QString& excludedText);

    // Whether a file may be uploaded by its name: its extension (lower case; "" when it has none) is not
    // excluded, and is included when the included list names any extension at all.
    bool admits(const QString& filePath) const;

    // The text after the file name's last dot, lower-cased; "" for none, for a name ending in a dot and for a
    // hidden name's leading dot (".profile" has no extension).
    static QString extensionOf(const QString& filePath);

private:
    QSet<QString> m_included;
    QSet<QString> m_excluded;
};

} // namespace ondrix
