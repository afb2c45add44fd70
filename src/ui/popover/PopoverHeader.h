#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace ondrix {

class AppSettings;
class ConnectionsManager;

// The top of the popover: the application's name, a dot in the colour of the overall state with the state
// in words, and below them the banner on why uploads wait (no network, a hotspot) or that sleep is held off.
//
// Main thread only; the core objects must outlive it.
class PopoverHeader : public QWidget {
    Q_OBJECT

public:
    PopoverHeader(ConnectionsManager& manager, AppSettings& settings, QWidget* parent = nullptr);

    void refreshStatus();
    void refreshBanner();
    // Forgets the drawn dot, so the next refresh draws it in the current palette.
    void forgetDot() { m_dotColour = QColor(); }

    QString statusText() const;
    QColor dotColour() const { return m_dotColour; }
    // Empty while no banner is shown.
    QString bannerText() const;

private:
    void drawDot(const QColor& colour);

    ConnectionsManager& m_manager;
    AppSettings& m_settings;
    QLabel* m_dot = nullptr;
    QColor m_dotColour;
    QLabel* m_status = nullptr;
    QWidget* m_banner = nullptr;
    QLabel* m_bannerIcon = nullptr;
    QLabel* m_bannerText = nullptr;
};

} // namespace ondrix
