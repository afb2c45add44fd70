#include "platform/PreferenceValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <cmath>
#include <limits>

namespace ondrix {

namespace {

// The length of the longest prefix of `text` that is a number: blanks, a sign, digits, and when `real` also a
// fraction and an exponent. Mirrors how the user defaults read numbers from strings.
qsizetype numericPrefix(const QByteArray& text, bool real, qsizetype& start)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) {
        ++i;
    }
    start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const auto digits = [&](qsizetype from) {
        qsizetype j = from;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            ++j;
        }
        return j;
    };
    qsizetype end = digits(i);
    bool any = end > i;
    if (real && end < text.size() && text[end] == '.') {
        const qsizetype fractionEnd = digits(end + 1);
        any = any || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!any) {
        return 0;
    }
    if (real && end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        qsizetype j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const qsizetype exponentEnd = digits(j);
        if (exponentEnd > j) {
            end = exponentEnd;
        }
    }
    return end - start;
}

bool isNumberType(const QString& type)
{
    return type == QLatin1String("bool") || type == QLatin1String("integer") ||
           type == QLatin1String("double");
}

} // namespace

qint64 PreferenceValue::integerFromText(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    qsizetype start = 0;
    const qsizetype length = numericPrefix(latin, false, start);
    if (length == 0) {
        return 0;
    }
    bool ok = false;
    const qint64 value = latin.mid(start, length).toLongLong(&ok);
    if (ok) {
        return value;
    }
    return latin[start] == '-' ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

double PreferenceValue::doubleFromText(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    qsizetype start = 0;
    const qsizetype length = numericPrefix(latin, true, start);
    return length == 0 ? 0.0 : latin.mid(start, length).toDouble();
}

bool PreferenceValue::boolFromText(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    while (i < text.size() && text[i] == QLatin1Char('0')) {
        ++i;
    }
    if (i >= text.size()) {
        return false;
    }
    const char16_t c = text[i].unicode();
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

qint64 PreferenceValue::saturatingTruncate(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9223372036854775808.0) {
        return std::numeric_limits<qint64>::max();
    }
    if (value < -9223372036854775808.0) {
        return std::numeric_limits<qint64>::min();
    }
    return static_cast<qint64>(value);
}

bool PreferenceValue::toBool() const
{
    if (type == QLatin1String("string")) {
        return boolFromText(QString::fromUtf8(bytes));
    }
    if (!isNumberType(type)) {
        return false;
    }
    switch (storage) {
    case Storage::integer:
        return integer != 0;
    case Storage::real:
        return real != 0;
    case Storage::text:
        return boolFromText(QString::fromUtf8(bytes));
    default:
        return false;
    }
}

qint64 PreferenceValue::toInteger() const
{
    if (!isNumberType(type) && type != QLatin1String("string")) {
        return 0;
    }
    switch (storage) {
    case Storage::integer:
        return integer;
    case Storage::real:
        return saturatingTruncate(real);
    case Storage::text:
        return integerFromText(QString::fromUtf8(bytes));
    default:
        return 0;
    }
}

double PreferenceValue::toDouble() const
{
    if (!isNumberType(type) && type != QLatin1String("string")) {
        return 0;
    }
    switch (storage) {
    case Storage::integer:
        return static_cast<double>(integer);
    case Storage::real:
        return real;
    case Storage::text:
        return doubleFromText(QString::fromUtf8(bytes));
    default:
        return 0;
    }
}

QString PreferenceValue::toString() const
{
    if (!isNumberType(type) && type != QLatin1String("string")) {
        return {};
    }
    switch (storage) {
    case Storage::integer:
        return QString::number(integer);
    case Storage::real:
        return QString::number(real, 'g', QLocale::FloatingPointShortest);
    case Storage::text:
        // An empty string is still a string: only a missing value reads as the null string.
        return bytes.isEmpty() ? QString(QLatin1String("")) : QString::fromUtf8(bytes);
    default:
        return {};
    }
}

QByteArray PreferenceValue::toData() const
{
    if (type != QLatin1String("data") || (storage != Storage::blob && storage != Storage::text)) {
        return {};
    }
    return bytes;
}

QStringList PreferenceValue::toStringList() const
{
    if (type != QLatin1String("stringList") || storage != Storage::text) {
        return {};
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    QStringList list;
    for (const QJsonValue value : document.array()) {
        if (!value.isString()) {
            return {};
        }
        list.append(value.toString());
    }
    return list;
}

} // namespace ondrix
