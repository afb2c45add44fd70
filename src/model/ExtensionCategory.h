#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ondrix {

// A group of extensions the connection editor offers as one tick box. `isExclude` says that the
// extensions belong in the excluded list rather than the included one.
struct ExtensionCategory {
    QString id;
    QString name;
    QStringList extensions;
    bool isExclude = false;

    bool operator==(const ExtensionCategory&) const = default;

    // The 6 categories in display order; names in the language of the first call.
    static const QList<ExtensionCategory>& all();
};

} // namespace ondrix
