#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

class QCoreApplication;

namespace ondrix {

class Application;

// The desktop interface around the core (tray icon, popover, windows, login item, update check). It lives in
// the desktop module, which the executable loads only when a display is there and --headless is not given,
// so a headless run never maps Qt Widgets, Qt Gui or the display libraries.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Brings up the shell, then starts every engine.
    virtual void start() = 0;
    // Opens the popover, or brings forward the window standing in for it.
    virtual void showPopover() = 0;
};

// What the desktop module hands the executable. The module is built with the executable and binds to its
// symbols, so `build` must match the executable's own.
struct DesktopModuleEntry {
    const char* build;
    // The application object of a desktop run (a QApplication), set up before the core exists.
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
    // `quitRequested` runs when the user asks to quit; it stops the core.
    std::unique_ptr<DesktopShell> (*makeShell)(Application& core, std::function<void()> quitRequested);
};

// The one symbol the module exports: returns its entry, valid for the life of the process.
#define ONDRIX_DESKTOP_MODULE_ENTRY ondrix_desktop_module_entry
using DesktopModuleEntryFunction = const DesktopModuleEntry* (*)();

} // namespace ondrix
