#pragma once

#include <QGroupBox>
#include <QList>

class QCheckBox;
class QLabel;
class QToolButton;

namespace ondrix {

class ConnectionForm;

// The "Schedule" block of the connection editor: the switch, the hours from and to with their steppers, and
// one button per weekday.
//
// Main thread only.
class ScheduleSection : public QGroupBox {
    Q_OBJECT

public:
    explicit ScheduleSection(ConnectionForm& form, QWidget* parent = nullptr);

    void refresh();

private:
    ConnectionForm& m_form;
    QCheckBox* m_enabled = nullptr;
    QWidget* m_details = nullptr;
    QLabel* m_startHour = nullptr;
    QLabel* m_endHour = nullptr;
    QList<QToolButton*> m_dayButtons;
};

} // namespace ondrix
