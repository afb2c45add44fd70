#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace ondrix {

// One named pair of extension lists a user can pick in the connection editor. `extensions` is a
// comma-and-space separated list; `exclude` says whether it names files to leave out (true) or the only
// files to take (false).
struct FilterPreset {
    QString id;
    QString name;
    QString description;
    QString extensions;
    bool exclude = false;

    bool operator==(const FilterPreset&) const = default;
};

size_t qHash(const FilterPreset& preset, size_t seed = 0) noexcept;

// The included and excluded list texts a preset stands for.
struct ExtensionLists {
    QString included;
    QString excluded;

    bool operator==(const ExtensionLists&) const = default;
};

// The fixed table of filter presets and the set comparisons that tie a connection's two extension lists to
// one of them. Pure functions of their arguments; the table is built once, in the language of that moment.
namespace FilterPresets {

inline constexpr const char* allFilesId = "all_files";
inline constexpr const char* allExceptTempId = "all_except_temp";
inline constexpr const char* customId = "custom";

// The list of temporary and partial files, which every preset but "all_files" leaves out.
QString tempList();

// The 15 presets in picker order.
const QList<FilterPreset>& all();
std::optional<FilterPreset> byId(const QString& id);

// A list text as a set: pieces between commas, trimmed of spaces and tabs, lower-cased, empty ones dropped.
// A leading dot is kept.
QSet<QString> extensionSet(const QString& text);

ExtensionLists listsOf(const FilterPreset& preset);

// The first preset in table order whose lists equal the given ones as sets ("custom" never matches by
// itself); otherwise "all_except_temp" when the lists are that preset's, else "custom".
FilterPreset matchingPreset(const QString& included, const QString& excluded);

// Whether the lists no longer are those of `preset`; never with "custom".
bool listsChanged(const FilterPreset& preset, const QString& included, const QString& excluded);

} // namespace FilterPresets

} // namespace ondrix
