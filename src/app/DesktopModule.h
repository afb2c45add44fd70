#pragma once

#include "app/DesktopShell.h"

#include <QLibrary>
#include <QString>

namespace ondrix {

// Finds and loads the desktop module. It is looked for at a fixed place relative to the executable (the
// installed layout, which the build tree mirrors), so a copied or relocated executable without it runs
// headless instead of failing. Loaded modules stay loaded for the life of the process.
class DesktopModule {
public:
    // The module beside an executable at `executablePath` (by default the running one).
    static QString pathFor(const QString& executablePath);
    static QString defaultPath();

    // Loads the module at `path` and checks that it belongs to this build; false with the reason otherwise.
    bool load(const QString& path, QString* error);
    const DesktopModuleEntry& entry() const { return *m_entry; }

private:
    QLibrary m_library;
    const DesktopModuleEntry* m_entry = nullptr;
};

} // namespace ondrix
