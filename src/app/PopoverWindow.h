#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <optional>

class QVBoxLayout;

namespace ondrix {

// The 360×500 panel that opens from the tray icon and holds the connections overview. With a tray it is a
// frameless panel beside the icon that closes when it loses focus (the user clicked elsewhere); without one
// it is an ordinary titled window "Ondrix", so the application is never invisible. The mode changes only
// while the panel is hidden.
//
// Lives on the main thread.
class PopoverWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 500;

    explicit PopoverWindow(QWidget* view);

    QWidget* view() const { return m_view; }
    void setView(QWidget* view);

    // Frameless panel (true) or titled window (false); applied the next time it is shown.
    void setPanelMode(bool panel);
    bool isPanelMode() const { return m_panelMode; }

    // Shows it at `topLeft` (ignored in window mode or when empty, e.g. on Wayland where the compositor
    // places windows) and gives it focus.
    void open(std::optional<QPoint> topLeft);
    // True for a short while after a focus loss closed the panel: the click on the tray icon that took the
    // focus away must not open it again at once.
    bool wasJustClosedByFocusLoss() const;

Q_SIGNALS:
    void shown();
    void quitRequested();
    void settingsRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyMode();

    QVBoxLayout* m_layout = nullptr;
    QWidget* m_view = nullptr;
    bool m_panelMode = true;
    bool m_placedAsWindow = false;
    QElapsedTimer m_closedByFocusLoss;
};

} // namespace ondrix
