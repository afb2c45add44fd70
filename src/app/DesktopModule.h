#pragma once

#include "app/DesktopShell.h"

#include <QString>

namespace ondrix {

// Finds and loads the desktop module (a PrivateModule): an executable without it runs headless instead of
// failing.
class DesktopModule {
public:
    // The module beside an executable at `executablePath` (by default the running one).
    static QString pathFor(const QString& executablePath);
    static QString defaultPath();

    // Loads the module at `path` and checks that it belongs to this build; false with the reason otherwise.
    bool load(const QString& path, QString* error);
    const DesktopModuleEntry& entry() const { return *m_entry; }

private:
    const DesktopModuleEntry* m_entry = nullptr;
};

} // namespace ondrix
