#include "model/ExtensionFilter.h"

namespace ondrix {

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QSet<QString> ExtensionFilter::parse(const QString& listText)
{
    QSet<QString> result;
    for (const QStringView piece : QStringView(listText).split(u',')) {
        qsizetype begin = 0;
        qsizetype end = piece.size();
        while (begin < end && isSpaceOrTab(piece.at(begin))) {
            ++begin;
        }
        while (end > begin && isSpaceOrTab(piece.at(end - 1))) {
            --end;
        }
        if (end > begin) {
            result.insert(piece.mid(begin, end - begin).toString().toLower());
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
