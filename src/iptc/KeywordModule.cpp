#include "iptc/KeywordModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

#include <cstring>

#ifndef ONDRIX_KEYWORD_MODULE_RELATIVE_PATH
#error "ONDRIX_KEYWORD_MODULE_RELATIVE_PATH must name the keyword module relative to the executable's folder"
#endif

namespace ondrix {

namespace {

Q_LOGGING_CATEGORY(lcKeywordModule, "ondrix.iptc")

void logModuleMessage(const char* message)
{
    qCDebug(lcKeywordModule).noquote() << "[KeywordModule] exiv2:" << QString::fromUtf8(message).trimmed();
}

QString defaultPath()
{
    const QByteArray overridden = qgetenv("ONDRIX_KEYWORD_MODULE");
    if (!overridden.isEmpty()) {
        return QFile::decodeName(overridden);
    }
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return KeywordModule::pathFor(executable.isEmpty() ? QStringLiteral("ondrix") : executable);
}

} // namespace

QString KeywordModule::pathFor(const QString& executablePath)
{
    return QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QLatin1Char('/') +
                           QStringLiteral(ONDRIX_KEYWORD_MODULE_RELATIVE_PATH));
}

const KeywordModuleEntry* KeywordModule::load(const QString& path, QString* error)
{
    const auto fail = [&](const QString& reason) -> const KeywordModuleEntry* {
        if (error) {
            *error = reason;
        }
        return nullptr;
    };
    if (!QFileInfo::exists(path)) {
        return fail(QCoreApplication::translate("KeywordModule", "%1 is missing").arg(path));
    }
    // Never unloaded: the entry and every image it opens point into it.
    auto* library = new QLibrary(path);
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library->load()) {
        const QString reason = library->errorString();
        delete library;
        return fail(reason);
    }
    using EntryFunction = const KeywordModuleEntry* (*)();
    const auto function =
        reinterpret_cast<EntryFunction>(library->resolve(QT_STRINGIFY(ONDRIX_KEYWORD_MODULE_ENTRY)));
    if (!function) {
        return fail(
            QCoreApplication::translate("KeywordModule", "%1 is not an Ondrix keyword module").arg(path));
    }
    const KeywordModuleEntry* entry = function();
    if (!entry || !entry->build || std::strcmp(entry->build, ONDRIX_VERSION) != 0 || !entry->initialize ||
        !entry->open) {
        return fail(QCoreApplication::translate("KeywordModule", "%1 belongs to another version of Ondrix")
                        .arg(path));
    }
    entry->initialize(logModuleMessage);
    return entry;
}

const KeywordModuleEntry* KeywordModule::entry(QString* error)
{
    struct Loaded {
        const KeywordModuleEntry* entry = nullptr;
        QString error;
    };
    // A function-local static: initialised exactly once, other first callers wait for it.
    static const Loaded loaded = [] {
        Loaded result;
        result.entry = load(defaultPath(), &result.error);
        return result;
    }();
    if (!loaded.entry && error) {
        *error = loaded.error;
    }
    return loaded.entry;
}

} // namespace ondrix
