#include "ui/settings/SettingsSection.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace ondrix {

SettingsSection::SettingsSection(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setSpacing(4);
    m_layout->setContentsMargins(10, 6, 10, 8);
}

QCheckBox* SettingsSection::addToggle(const QString& text, const QString& caption)
{
    auto* toggle = new QCheckBox(text, this);
    m_layout->addWidget(toggle);
    if (!caption.isEmpty()) {
        QLabel* label = addCaption(caption);
        // Under the switch's text rather than its box.
        label->setContentsMargins(toggle->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6, 0, 0, 2);
        label->setBuddy(toggle);
    }
    return toggle;
}

QWidget* SettingsSection::addRow(const QString& label, const QList<QWidget*>& controls)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!label.isEmpty()) {
        auto* text = new QLabel(label, row);
        layout->addWidget(text);
        if (!controls.isEmpty()) {
            text->setBuddy(controls.front());
        }
    }
    for (QWidget* control : controls) {
        control->setParent(row);
        layout->addWidget(control);
    }
    layout->addStretch(1);
    m_layout->addWidget(row);
    return row;
}

QLabel* SettingsSection::addCaption(const QString& text)
{
    QLabel* label = makeCaption(text);
    label->setParent(this);
    m_layout->addWidget(label);
    return label;
}

QLabel* SettingsSection::makeCaption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace ondrix
