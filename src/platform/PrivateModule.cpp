#include "platform/PrivateModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace ondrix {

QString PrivateModule::pathBeside(const QString& executablePath, const QString& relativePath)
{
    // Only beside an executable whose place is known: a relative one would make it the current folder,
    // where anybody may have left a library of that name.
    if (!QDir::isAbsolutePath(executablePath)) {
        return {};
    }
    return QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QLatin1Char('/') + relativePath);
}

QString PrivateModule::pathBesideRunningExecutable(const QString& relativePath)
{
    // Not through QCoreApplication::applicationFilePath(): the application object may not exist yet.
    return pathBeside(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")), relativePath);
}

PrivateModule::EntryFunction PrivateModule::load(const QString& path, const char* entrySymbol,
                                                 Failure* failure, QString* loaderError)
{
    const auto fail = [&](Failure reason) -> EntryFunction {
        if (failure) {
            *failure = reason;
        }
        return nullptr;
    };
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return fail(Failure::missing);
    }
    // QLibrary leaves the library loaded when it goes away.
    QLibrary library(path);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        if (loaderError) {
            *loaderError = library.errorString();
        }
        return fail(Failure::notLoadable);
    }
    const QFunctionPointer entry = library.resolve(entrySymbol);
    if (!entry) {
        return fail(Failure::noEntry);
    }
    if (failure) {
        *failure = Failure::none;
    }
    return entry;
}

} // namespace ondrix
