#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QSpinBox;

namespace ondrix {

// A number inside a sentence, "Only if [10] or more files". `sentence(n)` is the translated sentence for the
// value n with the number in digits (tr() with %n), so a translation can move the number and choose the
// plural form its language uses for it: the words around the number follow the value. The spin box's
// accessible name is the whole sentence.
class SettingsStepper : public QWidget {
    Q_OBJECT

public:
    SettingsStepper(std::function<QString(int)> sentence, int minimum, int maximum,
                    QWidget* parent = nullptr);

    QSpinBox* spinBox() const { return m_spinBox; }

private:
    void updateTexts();

    std::function<QString(int)> m_sentence;
    QLabel* m_before;
    QSpinBox* m_spinBox;
    QLabel* m_after;
};

} // namespace ondrix
