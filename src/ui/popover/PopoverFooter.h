#pragma once

#include "ui/popover/MenuBarActions.h"

#include <QList>
#include <QWidget>

class QPushButton;

namespace ondrix {

// The entries to the windows at the foot of the popover (History, Log, Settings, updates when offered,
// About) and Quit apart from them. Each hands over to the shell's closure.
//
// Main thread only.
class PopoverFooter : public QWidget {
    Q_OBJECT

public:
    explicit PopoverFooter(const MenuBarActions& actions, QWidget* parent = nullptr);

    QList<QPushButton*> buttons() const { return m_buttons; }
    // The flat entries' text colour is set by a style sheet, which does not follow a palette change by
    // itself.
    void restyle();

private:
    QList<QPushButton*> m_buttons;
};

} // namespace ondrix
