#include "model/RemotePath.h"

namespace ondrix {

QString RemotePath::join(const QString& folder, const QString& relative)
{
    if (folder.endsWith(u'/')) {
        return folder + relative;
    }
    return folder + u'/' + relative;
}

QString RemotePath::directoryOf(const QString& path)
{
    const QString trimmed = withoutTrailingSlash(path);
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : trimmed.left(slash);
}

QString RemotePath::withoutTrailingSlash(const QString& path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(u'/')) {
        result.chop(1);
    }
    return result.isEmpty() ? QStringLiteral("/") : result;
}

QString RemotePath::absolute(const QString& path)
{
    if (path.startsWith(u'/')) {
        return path;
    }
    return u'/' + path;
}

QString RemotePath::asDirectory(const QString& path)
{
    const QString result = absolute(path);
    if (result.endsWith(u'/')) {
        return result;
    }
    return result + u'/';
}

} // namespace ondrix
