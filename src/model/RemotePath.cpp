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
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/')) {
        trimmed.chop(1);
    }
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : trimmed.left(slash);
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
