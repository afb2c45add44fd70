#pragma once

#include "model/AppSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QObject>
#include <QSignalBlocker>
#include <QVariant>

namespace ondrix::settingsbinding {

// Two-way bindings between a control and one property of AppSettings: the control starts at the setting's
// value, a change by the user is written to the settings at once (which store it), and a change made
// elsewhere (another window, the shell) moves the control without writing back.

template <typename Getter, typename Setter, typename Signal>
void bindToggle(QCheckBox* box, AppSettings& settings, Getter get, Setter set, Signal changed)
{
    box->setChecked((settings.*get)());
    QObject::connect(box, &QCheckBox::toggled, box, [&settings, set](bool on) { (settings.*set)(on); });
    // Not blocked: controls that depend on the switch follow it. Writing the same value back is no change.
    QObject::connect(&settings, changed, box, [box](bool on) { box->setChecked(on); });
}

// The item whose data equals `value`, or -1.
inline int indexOfData(const QComboBox* combo, const QVariant& value)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemData(i) == value) {
            return i;
        }
    }
    return -1;
}

// Items carry their value as item data. A stored value the picker does not offer is shown as an extra
// item with `fallbackText(value)` rather than silently showing (and later storing) another one.
template <typename Value, typename Getter, typename Setter, typename Signal, typename FallbackText>
void bindPicker(QComboBox* combo, AppSettings& settings, Getter get, Setter set, Signal changed,
                FallbackText fallbackText)
{
    const auto select = [combo, fallbackText](const Value& value) {
        const QSignalBlocker blocker(combo);
        int index = indexOfData(combo, QVariant::fromValue(value));
        if (index < 0) {
            combo->addItem(fallbackText(value), QVariant::fromValue(value));
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    };
    select((settings.*get)());
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo, &settings, set](int index) {
        if (index >= 0) {
            (settings.*set)(combo->itemData(index).template value<Value>());
        }
    });
    QObject::connect(&settings, changed, combo, select);
}

// Enables `dependents` exactly while the toggle is on.
template <typename... Widgets>
void enableWhile(QCheckBox* toggle, Widgets*... dependents)
{
    const auto apply = [=](bool on) { (dependents->setEnabled(on), ...); };
    apply(toggle->isChecked());
    QObject::connect(toggle, &QCheckBox::toggled, toggle, apply);
}

} // namespace ondrix::settingsbinding
