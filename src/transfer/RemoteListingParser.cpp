#include "transfer/RemoteListingParser.h"

#include <QVarLengthArray>

#include <array>
#include <limits>
#include <string_view>

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

// A field of at most `maxDigits` decimal digits and nothing else, or -1.
int smallNumber(QStringView field, qsizetype maxDigits)
{
    if (field.isEmpty() || field.size() > maxDigits) {
        return -1;
    }
    int value = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "Jan" to "Dec" in any case as 1 to 12; 0 for anything else.
int monthNumber(QStringView field)
{
    static constexpr std::array<std::u16string_view, 12> names = {
        u"jan", u"feb", u"mar", u"apr", u"may", u"jun", u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (field.compare(QStringView(names[i]), Qt::CaseInsensitive) == 0) {
            return int(i) + 1;
        }
    }
    return 0;
}

// "HH:MM", or "hh:mmAM" / "hh:mmPM" as Windows servers write it; invalid when it is neither.
QTime clockTime(QStringView field)
{
    int twelveHourOffset = -1;
    if (field.endsWith(u"AM", Qt::CaseInsensitive) || field.endsWith(u"PM", Qt::CaseInsensitive)) {
        twelveHourOffset = field.endsWith(u"PM", Qt::CaseInsensitive) ? 12 : 0;
        field.chop(2);
    }
    const qsizetype colon = field.indexOf(u':');
    if (colon < 0) {
        return {};
    }
    int hours = smallNumber(field.first(colon), 2);
    const int minutes = smallNumber(field.sliced(colon + 1), 2);
    if (hours < 0 || minutes < 0) {
        return {};
    }
    if (twelveHourOffset >= 0) {
        if (hours < 1 || hours > 12) {
            return {};
        }
        hours = hours % 12 + twelveHourOffset;
    }
    return QTime(hours, minutes);
}

QDateTime utc(QDate date, QTime time)
{
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

// The three date fields of a Unix long listing: month, day and either the year or (for the last six months)
// the time; paramiko writes the day before the month.
QDateTime unixDate(QStringView first, QStringView second, QStringView yearOrTime, const QDateTime& now)
{
    int month = monthNumber(first);
    int day = smallNumber(second, 2);
    if (month == 0) {
        month = monthNumber(second);
        day = smallNumber(first, 2);
    }
    if (month == 0 || day < 1) {
        return {};
    }
    if (!yearOrTime.contains(u':')) {
        return utc(QDate(smallNumber(yearOrTime, 4), month, day), QTime(0, 0));
    }
    // A date ahead of today (more than clocks and time zones can explain) belongs to last year.
    const QDate today = now.date();
    int year = today.year();
    if (QDate(year, month, day) > today.addDays(1)) {
        --year;
    }
    return utc(QDate(year, month, day), clockTime(yearOrTime));
}

// A Windows listing's date ("12-06-26", "12-06-2026" or "2026-12-06") and time ("10:15AM" or "22:15").
QDateTime dosDate(QStringView dateField, QStringView timeField)
{
    const QList<QStringView> parts = dateField.split(u'-');
    if (parts.size() != 3) {
        return {};
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4) {
        year = smallNumber(parts[0], 4);
        month = smallNumber(parts[1], 2);
        day = smallNumber(parts[2], 2);
    } else {
        month = smallNumber(parts[0], 2);
        day = smallNumber(parts[1], 2);
        year = smallNumber(parts[2], 4);
        if (parts[2].size() == 2 && year >= 0) {
            year += year < 70 ? 2000 : 1900;
        }
    }
    return utc(QDate(year, month, day), clockTime(timeField));
}

// An MLSD "modify" fact: YYYYMMDDHHMMSS in UTC, optionally followed by fractions of a second.
QDateTime factTime(QStringView value)
{
    if (value.size() < 14 || (value.size() > 14 && value[14] != u'.')) {
        return {};
    }
    return utc(QDate(smallNumber(value.sliced(0, 4), 4), smallNumber(value.sliced(4, 2), 2),
                     smallNumber(value.sliced(6, 2), 2)),
               QTime(smallNumber(value.sliced(8, 2), 2), smallNumber(value.sliced(10, 2), 2),
                     smallNumber(value.sliced(12, 2), 2)));
}

std::optional<RemoteItem> makeItem(const QString& base, QString name, bool isDirectory, qint64 size,
                                   QDateTime modified = {})
{
    if (name.isEmpty() || name.startsWith(u'.')) {
        return std::nullopt;
    }
    RemoteItem item;
    item.id = base + u'/' + name;
    item.name = std::move(name);
    item.isDirectory = isDirectory;
    item.size = isDirectory ? 0 : size;
    item.modified = std::move(modified);
    return item;
}

// An MLSD line: "fact=value;" pairs, one space, then the name exactly as it is. Nothing when the line is not
// one; `fits` tells a line of this form whose entry is left out (the listed folder itself, its parent).
std::optional<RemoteItem> parseFacts(QStringView line, const QString& prefix, bool& fits)
{
    const qsizetype space = line.indexOf(u' ');
    fits = space > 0 && line[space - 1] == u';' && line.first(space).contains(u'=');
    if (!fits) {
        return std::nullopt;
    }
    QStringView type;
    qint64 size = 0;
    QDateTime modified;
    for (const QStringView fact : line.first(space - 1).split(u';')) {
        const qsizetype equals = fact.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        const QStringView key = fact.first(equals);
        const QStringView value = fact.sliced(equals + 1);
        if (key.compare(u"type", Qt::CaseInsensitive) == 0) {
            type = value;
        } else if (key.compare(u"size", Qt::CaseInsensitive) == 0) {
            size = RemoteListingParser::parseSize(value);
        } else if (key.compare(u"modify", Qt::CaseInsensitive) == 0) {
            modified = factTime(value);
        }
    }
    if (type.compare(u"cdir", Qt::CaseInsensitive) == 0 || type.compare(u"pdir", Qt::CaseInsensitive) == 0) {
        return std::nullopt;
    }
    return makeItem(prefix, line.sliced(space + 1).toString(), type.compare(u"dir", Qt::CaseInsensitive) == 0,
                    size, std::move(modified));
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

std::optional<RemoteItem> RemoteListingParser::parseLine(QStringView line, const QString& prefix,
                                                         const QDateTime& now)
{
    bool isFactLine = false;
    std::optional<RemoteItem> facts = parseFacts(line, prefix, isFactLine);
    if (isFactLine) {
        return facts;
    }
    const Fields fields = splitFields(line);

    // Unix long form: type and mode, links, owner, group, size, three date fields, then the name (a symbolic
    // link keeps the " -> target" the server appends). Once a line fits this form it is not tried as DOS, so
    // "." and ".." never come back as odd file names.
    if (fields.size() >= 9) {
        const QChar type = fields[0].front();
        if (type == u'd' || type == u'-' || type == u'l') {
            const bool isDirectory = type == u'd';
            return makeItem(prefix, joinFrom(fields, 8), isDirectory, parseSize(fields[4]),
                            unixDate(fields[5], fields[6], fields[7], now));
        }
    }

    // DOS form: date, time, "<DIR>" or size, then the name.
    if (fields.size() >= 4 && fields[0].contains(u'-')) {
        if (fields[2].compare(u"<DIR>", Qt::CaseInsensitive) == 0) {
            return makeItem(prefix, joinFrom(fields, 3), true, 0, dosDate(fields[0], fields[1]));
        }
        return makeItem(prefix, joinFrom(fields, 3), false, parseSize(fields[2]),
                        dosDate(fields[0], fields[1]));
    }
    return std::nullopt;
}

QList<RemoteItem> RemoteListingParser::parseListing(QStringView text, const QString& base,
                                                    const QDateTime& now)
{
    const QString prefix = withoutTrailingSlash(base);
    QList<RemoteItem> items;
    forEachLine(text, [&](QStringView line) {
        if (std::optional<RemoteItem> item = parseLine(line, prefix, now)) {
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
