#pragma once

#include "model/ExtensionCategory.h"
#include "model/FilterPresets.h"
#include "model/PushConnection.h"

#include <Qt>

namespace ondrix {

// How the extension filter editor reads and changes a connection's two extension lists. An extension is
// "taken" when the engine would admit it: it is not excluded, and the included list is empty or names it.
// A category's box is checked when all of its extensions are taken (for the exclude category: excluded),
// unchecked when none is, partly checked otherwise. Ticking and unticking edits the lists so that exactly
// that becomes true, and keeps the chosen preset: the editor then offers to reset the lists to it.
// Widget-free; every function works on the record it is given.
namespace ExtensionFilterRules {

// The preset the picker shows: the one named by `extensionPreset`, else the one the lists match.
FilterPreset selectedPreset(const PushConnection& connection);
// Writes the preset's id and lists.
void choosePreset(PushConnection& connection, const FilterPreset& preset);
// True when the lists no longer are those of the chosen preset (never for "custom").
bool offersReset(const PushConnection& connection);
void resetToPreset(PushConnection& connection);

bool isChecked(const PushConnection& connection, const ExtensionCategory& category, const QString& extension);
Qt::CheckState categoryState(const PushConnection& connection, const ExtensionCategory& category);
// Checked or partly checked becomes unchecked; unchecked becomes checked.
void toggleCategory(PushConnection& connection, const ExtensionCategory& category);
void toggleExtension(PushConnection& connection, const ExtensionCategory& category, const QString& extension);

} // namespace ExtensionFilterRules

} // namespace ondrix
