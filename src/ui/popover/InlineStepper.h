#pragma once

#include "ui/popover/PopoverSymbol.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace ondrix {

// A compact number with "−" and "+" beside it, as the connection rows show their upload limit and
// stability interval. It only shows a value and reports steps; the owner decides the new value.
class InlineStepper : public QWidget {
    Q_OBJECT

public:
    // `what` names the value for assistive tools, e.g. "simultaneous uploads".
    InlineStepper(PopoverSymbol symbol, const QString& what, QWidget* parent = nullptr);

    // The shown value (e.g. "12s") and the tooltip of the whole stepper.
    void setValue(const QString& value, const QString& toolTip);
    QString value() const;
    QToolButton* decreaseButton() const { return m_decrease; }
    QToolButton* increaseButton() const { return m_increase; }

Q_SIGNALS:
    // -1 or +1.
    void stepped(int step);

private:
    QLabel* m_value = nullptr;
    QToolButton* m_decrease = nullptr;
    QToolButton* m_increase = nullptr;
};

} // namespace ondrix
