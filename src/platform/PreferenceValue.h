#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ondrix {

// One value as the preferences store holds it: the type name of its row and the SQLite class and contents of
// its value column. The typed reads convert it the way the user defaults do: a number reads as bool when it
// is non-zero, a string reads as a number when it starts with one, and so on. Scripts may write the store,
// so any type name may come with a value of any class; the conversions look at both.
struct PreferenceValue {
    enum class Storage { null, integer, real, text, blob };

    QString type;
    Storage storage = Storage::null;
    qint64 integer = 0;
    double real = 0;
    QByteArray bytes; // text (UTF-8) or blob

    // Non-zero numbers read true; strings read true when, after blanks, signs and leading zeros, they start
    // with Y, y, T, t or a digit 1-9; anything else reads false.
    bool toBool() const;
    // Numbers (doubles truncated toward zero, saturated), and strings that start with an integer.
    qint64 toInteger() const;
    // Numbers, and strings that start with a number.
    double toDouble() const;
    // Strings; numbers as their decimal text ("1" and "0" for booleans); a null string for other types.
    QString toString() const;
    // Data values only.
    QByteArray toData() const;
    // String lists only (a JSON array of strings); empty when any element is not a string.
    QStringList toStringList() const;

    static bool boolFromText(const QString& text);
    static qint64 integerFromText(const QString& text);
    static double doubleFromText(const QString& text);
    // A double truncated toward zero into the 64-bit range; NaN reads 0.
    static qint64 saturatingTruncate(double value);
};

} // namespace ondrix
