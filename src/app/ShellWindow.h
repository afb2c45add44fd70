#pragma once

#include <QWidget>

class QVBoxLayout;

namespace ondrix {

// One of the application's secondary windows (settings, log, history, about) around its view. Created once
// and kept: closing only hides it. It has no minimise or maximise button and carries the application's
// shortcuts: Ctrl+W closes it, Ctrl+Q quits, Ctrl+, opens the settings.
//
// Lives on the main thread.
class ShellWindow : public QWidget {
    Q_OBJECT

public:
    ShellWindow(const QString& title, const QSize& size, bool resizable, QWidget* view);

    QWidget* view() const { return m_view; }
    // Replaces the hosted view (the old one is deleted).
    void setView(QWidget* view);

Q_SIGNALS:
    // The window is about to be hidden by its close button, Ctrl+W or the window manager.
    void willClose();
    void quitRequested();
    void settingsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_view = nullptr;
};

} // namespace ondrix
