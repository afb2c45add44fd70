#include "ui/popover/InlineStepper.h"

#include "ui/popover/PopoverIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ondrix {

namespace {

QToolButton* stepButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    button->setFixedSize(20, 18);
    return button;
}

} // namespace

InlineStepper::InlineStepper(PopoverSymbol symbol, const QString& what, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* picture = new QLabel(this);
    picture->setPixmap(PopoverIcons::pixmap(symbol, PopoverIcons::colour(PopoverTone::secondary, palette()),
                                            12, devicePixelRatioF()));
    layout->addWidget(picture);
    m_value = new QLabel(this);
    m_value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("30s")) + 2);
    m_value->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_value);
    m_decrease = stepButton(QStringLiteral("−"), tr("Decrease %1").arg(what), this);
    m_increase = stepButton(QStringLiteral("+"), tr("Increase %1").arg(what), this);
    layout->addWidget(m_decrease);
    layout->addWidget(m_increase);
    connect(m_decrease, &QToolButton::clicked, this, [this] { Q_EMIT stepped(-1); });
    connect(m_increase, &QToolButton::clicked, this, [this] { Q_EMIT stepped(+1); });
}

void InlineStepper::setValue(const QString& value, const QString& toolTip)
{
    m_value->setText(value);
    setToolTip(toolTip);
    m_decrease->setToolTip(toolTip);
    m_increase->setToolTip(toolTip);
}

QString InlineStepper::value() const
{
    return m_value->text();
}

} // namespace ondrix
