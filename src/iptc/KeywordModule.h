#pragma once

#include "iptc/KeywordImage.h"

#include <QString>

namespace ondrix {

// Finds and loads the keyword module, once per process, the first time it is asked for (from whichever
// upload thread writes the first keyword; concurrent first callers wait for the one load). It is looked for
// at a fixed place relative to the executable (the installed layout, which the build tree mirrors); the
// environment variable ONDRIX_KEYWORD_MODULE names another file instead (test programs, which live
// elsewhere in the build tree). The module stays loaded for the life of the process.
class KeywordModule {
public:
    // The loaded module's entry, or null when it is missing or broken; `error` then gets the reason (the
    // same reason on every call).
    static const KeywordModuleEntry* entry(QString* error);

    // The module beside an executable at `executablePath`.
    static QString pathFor(const QString& executablePath);
    // Loads the module at `path` and checks that it belongs to this build; null with the reason otherwise.
    static const KeywordModuleEntry* load(const QString& path, QString* error);
};

} // namespace ondrix
