#pragma once

#include <QGroupBox>
#include <QString>

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace ondrix {

// One titled group of a settings page: switches, each with an optional caption below it, and labelled rows
// holding a picker, a stepper or a few controls side by side.
class SettingsSection : public QGroupBox {
    Q_OBJECT

public:
    explicit SettingsSection(const QString& title, QWidget* parent = nullptr);

    QCheckBox* addToggle(const QString& text, const QString& caption = {});
    // A row with a leading label (empty for none) and the given controls after it; returns the row.
    QWidget* addRow(const QString& label, const QList<QWidget*>& controls);
    QLabel* addCaption(const QString& text);

    // The small explanatory text style used for captions.
    static QLabel* makeCaption(const QString& text);

private:
    QVBoxLayout* m_layout;
};

} // namespace ondrix
