#include "transfer/RemoteListingParser.h"

#include <QVarLengthArray>

#include <limits>

namespace ondrix {

namespace {

using Fields = QVarLengthArray<QStringView, 16>;

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// Calls `visit` with every line of `text`, trimmed, skipping empty ones.
template <typename Visit>
void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i == size || isLineBreak(text[i])) {
            const QStringView line = text.sliced(start, i - start).trimmed();
            if (!line.isEmpty()) {
                visit(line);
            }
            start = i + 1;
        }
    }
}

// Fields are separated by runs of single spaces only; a tab belongs to the field it is in.
Fields splitFields(QStringView line)
{
    Fields fields;
    qsizetype start = 0;
    const qsizetype size = line.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i == size || line[i] == u' ') {
            if (i > start) {
                fields.append(line.sliced(start, i - start));
            }
            start = i + 1;
        }
    }
    return fields;
}

QString joinFrom(const Fields& fields, qsizetype first)
{
    QString name;
    for (qsizetype i = first; i < fields.size(); ++i) {
        if (i > first) {
            name += u' ';
        }
        name += fields[i];
    }
    return name;
}

QString withoutTrailingSlash(const QString& base)
{
    return base.endsWith(u'/') ? base.chopped(1) : base;
}

std::optional<RemoteItem> makeItem(const QString& base, QString name, bool isDirectory, qint64 size)
{
    if (name.isEmpty() || name.startsWith(u'.')) {
        return std::nullopt;
    }
    RemoteItem item;
    item.id = base + u'/' + name;
    item.name = std::move(name);
    item.isDirectory = isDirectory;
    item.size = isDirectory ? 0 : size;
    return item;
}

} // namespace

qint64 RemoteListingParser::parseSize(QStringView field)
{
    bool negative = false;
    if (!field.isEmpty() && (field.front() == u'+' || field.front() == u'-')) {
        negative = field.front() == u'-';
        field = field.sliced(1);
    }
    if (field.isEmpty()) {
        return 0;
    }
    // Accumulate towards the negative end so that the smallest 64-bit value still reads.
    qint64 value = 0;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    for (const QChar c : field) {
        if (c < u'0' || c > u'9') {
            return 0;
        }
        const int digit = c.unicode() - u'0';
        if (value < (lowest + digit) / 10) {
            return 0;
        }
        value = value * 10 - digit;
    }
    if (negative) {
        return value;
    }
    return value == lowest ? 0 : -value;
}

std::optional<RemoteItem> RemoteListingParser::parseLine(QStringView line, const QString& prefix)
{
    const Fields fields = splitFields(line);

    // Unix long form: type and mode, links, owner, group, size, three date fields, then the name (a symbolic
    // link keeps the " -> target" the server appends). Once a line fits this form it is not tried as DOS, so
    // "." and ".." never come back as odd file names.
    if (fields.size() >= 9) {
        const QChar type = fields[0].front();
        if (type == u'd' || type == u'-' || type == u'l') {
            const bool isDirectory = type == u'd';
            return makeItem(prefix, joinFrom(fields, 8), isDirectory, parseSize(fields[4]));
        }
    }

    // DOS form: date, time, "<DIR>" or size, then the name.
    if (fields.size() >= 4 && fields[0].contains(u'-')) {
        if (fields[2].compare(u"<DIR>", Qt::CaseInsensitive) == 0) {
            return makeItem(prefix, joinFrom(fields, 3), true, 0);
        }
        return makeItem(prefix, joinFrom(fields, 3), false, parseSize(fields[2]));
    }
    return std::nullopt;
}

QList<RemoteItem> RemoteListingParser::parseListing(QStringView text, const QString& base)
{
    const QString prefix = withoutTrailingSlash(base);
    QList<RemoteItem> items;
    forEachLine(text, [&](QStringView line) {
        if (std::optional<RemoteItem> item = parseLine(line, prefix)) {
            items.append(std::move(*item));
        }
    });
    return items;
}

QList<RemoteItem> RemoteListingParser::parseNameList(QStringView text, const QString& base)
{
    const QString prefix = withoutTrailingSlash(base);
    QList<RemoteItem> items;
    forEachLine(text, [&](QStringView line) {
        if (std::optional<RemoteItem> item = makeItem(prefix, line.toString(), false, 0)) {
            items.append(std::move(*item));
        }
    });
    return items;
}

} // namespace ondrix
