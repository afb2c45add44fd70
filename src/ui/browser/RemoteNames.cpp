#include "ui/browser/RemoteNames.h"

#include "model/RemotePath.h"
#include "platform/FileName.h"

#include <QHash>

namespace ondrix {

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool isDirectionOverride(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString RemoteNames::extension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0 || dot == name.size() - 1) {
        return {};
    }
    return name.mid(dot + 1);
}

bool RemoteNames::isSafe(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..") {
        return false;
    }
    for (QChar c : name) {
        if (isControl(c) || c == u'/') {
            return false;
        }
    }
    return true;
}

bool RemoteNames::isSafeEntry(const RemoteItem& item, const QString& folder)
{
    return isSafe(item.name) &&
           item.id == RemotePath::join(RemotePath::withoutTrailingSlash(folder), item.name);
}

QString RemoteNames::shown(const QString& name)
{
    QString result;
    result.reserve(name.size());
    // Bytes that are not UTF-8 show as \xNN.
    for (QChar c : FileName::displayName(name)) {
        if (c.unicode() == 0x7f) {
            result += QChar(0x2421);
        } else if (isControl(c)) {
            result += QChar(0x2400 + c.unicode());
        } else if (isDirectionOverride(c)) {
            result += QChar(QChar::ReplacementCharacter);
        } else {
            result += c;
        }
    }
    return result;
}

QString RemoteNames::trimmedTypedName(const QString& typed)
{
    return typed.trimmed();
}

std::optional<QString> RemoteNames::typedNameProblem(const QString& name)
{
    if (!isSafe(name)) {
        return tr("A name cannot contain “/” or line breaks, and cannot be “.” or “..”.");
    }
    return std::nullopt;
}

QStringList RemoteNames::ancestry(const QString& path)
{
    QStringList result{QStringLiteral("/")};
    QString current;
    for (const QString& part : RemotePath::withoutTrailingSlash(path).split(u'/', Qt::SkipEmptyParts)) {
        current += u'/' + part;
        result << current;
    }
    return result;
}

QString RemoteNames::lastComponent(const QString& path)
{
    const QString trimmed = RemotePath::withoutTrailingSlash(path);
    if (trimmed == u"/") {
        return trimmed;
    }
    return trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
}

QString RemoteNames::typeText(const RemoteItem& item)
{
    if (item.isDirectory) {
        return tr("Folder");
    }
    const QString suffix = extension(item.name);
    if (suffix.isEmpty()) {
        return tr("File");
    }
    //: The type column of a remote file, e.g. "JPG File"
    return tr("%1 File").arg(suffix.toUpper());
}

QString RemoteNames::iconName(const RemoteItem& item)
{
    if (item.isDirectory) {
        return QStringLiteral("folder");
    }
    static const QHash<QString, QString> byExtension = [] {
        QHash<QString, QString> table;
        const auto add = [&table](const QString& icon, std::initializer_list<const char*> extensions) {
            for (const char* extension : extensions) {
                table.insert(QString::fromLatin1(extension), icon);
            }
        };
        add(QStringLiteral("image-x-generic"),
            {"jpeg", "jpg", "png", "webp", "tiff", "tif", "heic", "heif", "gif", "bmp", "dng"});
        add(QStringLiteral("application-pdf"), {"pdf"});
        add(QStringLiteral("package-x-generic"), {"zip", "gz", "rar", "7z", "tar", "xz", "bz2", "zst"});
        add(QStringLiteral("video-x-generic"), {"avi", "mp4", "mov", "mkv", "webm", "m4v"});
        add(QStringLiteral("audio-x-generic"), {"mp3", "wav", "aac", "flac", "ogg", "m4a", "opus"});
        add(QStringLiteral("text-x-generic"), {"txt", "md", "log"});
        add(QStringLiteral("text-x-script"), {"xml", "json", "csv", "yaml", "yml"});
        return table;
    }();
    return byExtension.value(extension(item.name).toLower(), QStringLiteral("application-x-generic"));
}

QString RemoteNames::summary(qsizetype folders, qsizetype files)
{
    QStringList parts;
    if (folders > 0) {
        parts << (folders == 1 ? tr("1 folder") : tr("%n folders", nullptr, int(folders)));
    }
    if (files > 0) {
        parts << (files == 1 ? tr("1 file") : tr("%n files", nullptr, int(files)));
    }
    if (parts.isEmpty()) {
        return tr("Empty folder");
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace ondrix
