#include "app/ShellWindow.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace ondrix {

ShellWindow::ShellWindow(const QString& title, const QSize& size, bool resizable, QWidget* view)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_layout(new QVBoxLayout(this))
{
    setWindowTitle(title);
    setAccessibleName(title);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setView(view);
    if (resizable) {
        resize(size);
    } else {
        setFixedSize(size);
    }
    auto* close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this, this, &QWidget::close);
    close->setContext(Qt::WindowShortcut);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &ShellWindow::quitRequested);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this, this, &ShellWindow::settingsRequested);
}

void ShellWindow::setView(QWidget* view)
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

void ShellWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT willClose();
    event->accept();
}

} // namespace ondrix
