#include "ui/connections/ConnectionRowView.h"

#include "ui/common/StatusPalette.h"
#include "ui/connections/ConnectionGlyphs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ondrix {

ConnectionRowView::ConnectionRowView(QWidget* parent)
    : QWidget(parent)
    , m_name(new QLabel)
    , m_protocol(new QLabel)
    , m_power(new QToolButton)
    , m_lock(new QToolButton)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 4, 3);
    layout->setSpacing(4);
    m_name->setTextFormat(Qt::PlainText);
    QFont small = m_protocol->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    m_protocol->setFont(small);
    m_protocol->setForegroundRole(QPalette::PlaceholderText);
    m_power->setObjectName(QStringLiteral("power"));
    m_power->setAutoRaise(true);
    m_lock->setObjectName(QStringLiteral("lock"));
    m_lock->setAutoRaise(true);
    layout->addWidget(m_name, 1);
    layout->addWidget(m_protocol);
    layout->addWidget(m_power);
    layout->addWidget(m_lock);
    connect(m_power, &QToolButton::clicked, this, &ConnectionRowView::powerClicked);
    connect(m_lock, &QToolButton::clicked, this, &ConnectionRowView::lockClicked);
}

QString ConnectionRowView::protocolText() const
{
    return m_protocol->text();
}

void ConnectionRowView::display(const PushConnection& connection, bool locked)
{
    const QString elided = m_name->fontMetrics().elidedText(connection.name, Qt::ElideRight, 120);
    m_name->setText(elided);
    m_name->setToolTip(connection.name);
    m_protocol->setText(displayName(connection.transferProtocol));

    const QString powerText = connection.isEnabled ? tr("Disable connection") : tr("Enable connection");
    m_power->setIcon(ConnectionGlyphs::power(connection.isEnabled
                                                 ? StatusPalette::symbol(StatusTone::success)
                                                 : palette().color(QPalette::PlaceholderText)));
    m_power->setToolTip(powerText);
    m_power->setAccessibleName(powerText + QStringLiteral(": ") + connection.name);

    const QString lockText = locked ? tr("Unlock connection") : tr("Lock connection");
    m_lock->setIcon(ConnectionGlyphs::lock(locked, locked ? StatusPalette::symbol(StatusTone::warning)
                                                          : palette().color(QPalette::PlaceholderText)));
    m_lock->setToolTip(lockText);
    m_lock->setAccessibleName(lockText + QStringLiteral(": ") + connection.name);
}

} // namespace ondrix
