#include "iptc/KeywordModule.h"

#include "platform/PrivateModule.h"

#include <QCoreApplication>
#include <QFile>
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
#ifndef NDEBUG
    // Tests point debug builds at another module; a release build loads only its installed one, whatever
    // the environment says.
    const QByteArray overridden = qgetenv("ONDRIX_KEYWORD_MODULE");
    if (!overridden.isEmpty()) {
        return QFile::decodeName(overridden);
    }
#endif
    return PrivateModule::pathBesideRunningExecutable(QStringLiteral(ONDRIX_KEYWORD_MODULE_RELATIVE_PATH));
}

} // namespace

QString KeywordModule::pathFor(const QString& executablePath)
{
    return PrivateModule::pathBeside(executablePath, QStringLiteral(ONDRIX_KEYWORD_MODULE_RELATIVE_PATH));
}

const KeywordModuleEntry* KeywordModule::load(const QString& path, QString* error)
{
    const auto fail = [&](const QString& reason) -> const KeywordModuleEntry* {
        if (error) {
            *error = reason;
        }
        return nullptr;
    };
    PrivateModule::Failure failure = PrivateModule::Failure::none;
    QString loaderError;
    // Never unloaded: the entry and every image it opens point into it.
    using EntryFunction = const KeywordModuleEntry* (*)();
    const auto function = reinterpret_cast<EntryFunction>(
        PrivateModule::load(path, QT_STRINGIFY(ONDRIX_KEYWORD_MODULE_ENTRY), &failure, &loaderError));
    switch (failure) {
    case PrivateModule::Failure::none:
        break;
    case PrivateModule::Failure::missing:
        return fail(QCoreApplication::translate("KeywordModule", "%1 is missing").arg(path));
    case PrivateModule::Failure::notLoadable:
        return fail(loaderError);
    case PrivateModule::Failure::noEntry:
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
