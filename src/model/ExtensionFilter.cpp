#include "model/ExtensionFilter.h"

namespace ondrix {

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString ExtensionFilter::normalised(QStringView piece)
{
    qsizetype begin = 0;
    qsizetype end = piece.size();
    while (begin < end && isSpaceOrTab(piece.at(begin))) {
        ++begin;
    }
    while (end > begin && isSpaceOrTab(piece.at(end - 1))) {
        --end;
    }
    return piece.mid(begin, end - begin).toString().toLower();
}

QSet<QString> ExtensionFilter::parse(const QString& listText)
{
    QSet<QString> result;
    for (const QStringView piece : QStringView(listText).split(u',')) {
        if (QString extension = normalised(piece); !extension.isEmpty()) {
            result.insert(std::move(extension));
        }
    }
    return result;
}

ExtensionFilter::ExtensionFilter(const QString& includedText, const QString& excludedText)
    : m_included(parse(includedText))
    , m_excluded(parse(excludedText))
{}

bool ExtensionFilter::admits(const QString& filePath) const
{
    const QString extension = extensionOf(filePath);
    if (m_excluded.contains(extension)) {
        return false;
    }
    return m_included.isEmpty() || m_included.contains(extension);
}

QString ExtensionFilter::extensionOf(const QString& filePath)
{
    const qsizetype nameStart = filePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = filePath.lastIndexOf(u'.');
    if (dot <= nameStart) {
        return QString();
    }
    return filePath.mid(dot + 1).toLower();
}

} // namespace ondrix
