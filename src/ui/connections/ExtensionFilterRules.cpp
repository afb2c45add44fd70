#include "ui/connections/ExtensionFilterRules.h"

#include "model/ExtensionFilter.h"

#include <QStringList>

namespace ondrix::ExtensionFilterRules {

namespace {

// The list text with `extension` appended unless it names it already; what the user typed stays as it was.
QString withExtension(const QString& list, const QString& extension)
{
    if (FilterPresets::extensionSet(list).contains(extension)) {
        return list;
    }
    QStringList pieces;
    for (const QString& piece : list.split(QLatin1Char(','))) {
        if (!ExtensionFilter::normalised(piece).isEmpty()) {
            pieces << piece.trimmed();
        }
    }
    pieces << extension;
    return pieces.join(QStringLiteral(", "));
}

QString withoutExtension(const QString& list, const QString& extension)
{
    if (!FilterPresets::extensionSet(list).contains(extension)) {
        return list;
    }
    QStringList pieces;
    for (const QString& piece : list.split(QLatin1Char(','))) {
        const QString key = ExtensionFilter::normalised(piece);
        if (!key.isEmpty() && key != extension) {
            pieces << piece.trimmed();
        }
    }
    return pieces.join(QStringLiteral(", "));
}

void setTaken(PushConnection& c, const QString& extension, bool taken)
{
    if (taken) {
        c.excludedExtensions = withoutExtension(c.excludedExtensions, extension);
        if (!FilterPresets::extensionSet(c.includedExtensions).isEmpty()) {
            c.includedExtensions = withExtension(c.includedExtensions, extension);
        }
        return;
    }
    if (!FilterPresets::extensionSet(c.includedExtensions).isEmpty()) {
        c.includedExtensions = withoutExtension(c.includedExtensions, extension);
    }
    // An empty included list admits everything, so the only way to leave the extension out is to exclude it.
    if (FilterPresets::extensionSet(c.includedExtensions).isEmpty()) {
        c.excludedExtensions = withExtension(c.excludedExtensions, extension);
    }
}

void setMarked(PushConnection& c, const ExtensionCategory& category, const QString& extension, bool on)
{
    if (category.isExclude) {
        c.excludedExtensions = on ? withExtension(c.excludedExtensions, extension)
                                  : withoutExtension(c.excludedExtensions, extension);
    } else {
        setTaken(c, extension, on);
    }
}

} // namespace

FilterPreset selectedPreset(const PushConnection& connection)
{
    if (const auto preset = FilterPresets::byId(connection.extensionPreset)) {
        return *preset;
    }
    return FilterPresets::matchingPreset(connection.includedExtensions, connection.excludedExtensions);
}

void choosePreset(PushConnection& connection, const FilterPreset& preset)
{
    const ExtensionLists lists = FilterPresets::listsOf(preset);
    connection.extensionPreset = preset.id;
    connection.includedExtensions = lists.included;
    connection.excludedExtensions = lists.excluded;
}

bool offersReset(const PushConnection& connection)
{
    return FilterPresets::listsChanged(selectedPreset(connection), connection.includedExtensions,
                                       connection.excludedExtensions);
}

void resetToPreset(PushConnection& connection)
{
    choosePreset(connection, selectedPreset(connection));
}

bool isChecked(const PushConnection& connection, const ExtensionCategory& category, const QString& extension)
{
    const QSet<QString> excluded = FilterPresets::extensionSet(connection.excludedExtensions);
    if (category.isExclude) {
        return excluded.contains(extension);
    }
    const QSet<QString> included = FilterPresets::extensionSet(connection.includedExtensions);
    return !excluded.contains(extension) && (included.isEmpty() || included.contains(extension));
}

Qt::CheckState categoryState(const PushConnection& connection, const ExtensionCategory& category)
{
    qsizetype checked = 0;
    for (const QString& extension : category.extensions) {
        checked += isChecked(connection, category, extension) ? 1 : 0;
    }
    if (checked == 0) {
        return Qt::Unchecked;
    }
    return checked == category.extensions.size() ? Qt::Checked : Qt::PartiallyChecked;
}

void toggleCategory(PushConnection& connection, const ExtensionCategory& category)
{
    const bool on = categoryState(connection, category) == Qt::Unchecked;
    if (on || category.isExclude) {
        for (const QString& extension : category.extensions) {
            setMarked(connection, category, extension, on);
        }
        return;
    }
    // Off for an include category: drop it from the included list, but when that would leave the list empty
    // (which admits everything), exclude the category instead.
    QString included = connection.includedExtensions;
    for (const QString& extension : category.extensions) {
        included = withoutExtension(included, extension);
    }
    const bool wasRestricted = !FilterPresets::extensionSet(connection.includedExtensions).isEmpty();
    connection.includedExtensions = included;
    if (!wasRestricted || FilterPresets::extensionSet(included).isEmpty()) {
        for (const QString& extension : category.extensions) {
            connection.excludedExtensions = withExtension(connection.excludedExtensions, extension);
        }
    }
}

void toggleExtension(PushConnection& connection, const ExtensionCategory& category, const QString& extension)
{
    setMarked(connection, category, extension, !isChecked(connection, category, extension));
}

} // namespace ondrix::ExtensionFilterRules
