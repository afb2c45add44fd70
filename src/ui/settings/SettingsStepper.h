#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QSpinBox;

namespace ondrix {

// A number inside a sentence, "Only if [10] or more files": `sentence` holds "%1" where the number goes,
// so a translation can move it. The spin box's accessible name is the whole sentence with its value.
class SettingsStepper : public QWidget {
    Q_OBJECT

public:
    SettingsStepper(const QString& sentence, int minimum, int maximum, QWidget* parent = nullptr);

    QSpinBox* spinBox() const { return m_spinBox; }

private:
    void updateAccessibleName();

    QString m_sentence;
    QLabel* m_before;
    QSpinBox* m_spinBox;
    QLabel* m_after;
};

} // namespace ondrix
