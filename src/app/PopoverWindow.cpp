#include "app/PopoverWindow.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace ondrix {

namespace {
constexpr qint64 kReopenGuardMs = 400;
}

PopoverWindow::PopoverWindow(QWidget* view)
    : QWidget(nullptr)
    , m_layout(new QVBoxLayout(this))
{
    setWindowTitle(tr("Ondrix"));
    setAccessibleName(tr("Ondrix"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    setView(view);
    setFixedSize(kWidth, kHeight);
    applyMode();
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::hide);
    close->setContext(Qt::WindowShortcut);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this, this, &QWidget::hide);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &PopoverWindow::quitRequested);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this, this, &PopoverWindow::settingsRequested);
}

void PopoverWindow::setView(QWidget* view)
{
    if (m_view) {
        m_layout->removeWidget(m_view);
        delete m_view;
    }
    m_view = view;
    if (m_view) {
        m_layout->addWidget(m_view);
    }
}

void PopoverWindow::setPanelMode(bool panel)
{
    m_panelMode = panel;
    if (!isVisible()) {
        applyMode();
    }
}

void PopoverWindow::applyMode()
{
    const Qt::WindowFlags flags =
        m_panelMode ? Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                    : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (windowFlags() != flags) {
        setWindowFlags(flags);
    }
}

void PopoverWindow::open(std::optional<QPoint> topLeft)
{
    applyMode();
    if (m_panelMode && topLeft) {
        move(*topLeft);
    } else if (!m_panelMode && !m_placedAsWindow) {
        m_placedAsWindow = true;
        // Centred on X11; a Wayland compositor ignores the position and places the window itself.
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

bool PopoverWindow::wasJustClosedByFocusLoss() const
{
    return m_closedByFocusLoss.isValid() && m_closedByFocusLoss.elapsed() < kReopenGuardMs;
}

void PopoverWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_panelMode && isVisible() && !isActiveWindow()) {
        // A menu or combo box list of our own opened above the panel also takes the activation.
        if (QWidget* active = QApplication::activeWindow(); active && active != this) {
            return;
        }
        m_closedByFocusLoss.start();
        hide();
    }
}

void PopoverWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Q_EMIT shown();
}

} // namespace ondrix
