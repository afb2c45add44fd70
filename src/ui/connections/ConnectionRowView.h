#pragma once

#include "model/PushConnection.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace ondrix {

// One connection in the sidebar: its name, a protocol label, the power switch and the lock.
class ConnectionRowView : public QWidget {
    Q_OBJECT

public:
    explicit ConnectionRowView(QWidget* parent = nullptr);

    void display(const PushConnection& connection, bool locked);

    QToolButton* powerButton() const { return m_power; }
    QToolButton* lockButton() const { return m_lock; }
    QString protocolText() const;

Q_SIGNALS:
    void powerClicked();
    void lockClicked();

private:
    QLabel* m_name;
    QLabel* m_protocol;
    QToolButton* m_power;
    QToolButton* m_lock;
};

} // namespace ondrix
