#pragma once

#include <QString>

namespace ondrix {

// A library of this build that the executable loads at run time from Ondrix's private folder. It is looked
// for at a fixed place relative to the executable (the installed layout, which the build tree mirrors), so a
// copied or relocated executable without it runs on without what it adds. A loaded module is never unloaded.
class PrivateModule {
public:
    enum class Failure { none, missing, notLoadable, noEntry };

    // `relativePath`: the module's path relative to the folder of the executable at `executablePath`; empty
    // (nothing is loaded then) when that path is not absolute.
    static QString pathBeside(const QString& executablePath, const QString& relativePath);
    // The same beside the running executable (empty when /proc/self/exe cannot be read); usable before the
    // application object exists.
    static QString pathBesideRunningExecutable(const QString& relativePath);

    // Loads the library at `path` with every symbol resolved at once (a module of another build fails here,
    // not on first use) and returns the function named `entrySymbol`; null with the failure otherwise, and
    // for `notLoadable` the loader's reason in `loaderError`.
    using EntryFunction = void (*)();
    static EntryFunction load(const QString& path, const char* entrySymbol, Failure* failure,
                              QString* loaderError);
};

} // namespace ondrix
