#include "ui/settings/SettingsStepper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace ondrix {

SettingsStepper::SettingsStepper(const QString& sentence, int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_sentence(sentence)
    , m_before(new QLabel(this))
    , m_spinBox(new QSpinBox(this))
    , m_after(new QLabel(this))
{
    const qsizetype at = sentence.indexOf(QLatin1String("%1"));
    m_before->setText(sentence.left(at).trimmed());
    m_after->setText(at < 0 ? QString() : sentence.mid(at + 2).trimmed());
    m_before->setVisible(!m_before->text().isEmpty());
    m_after->setVisible(!m_after->text().isEmpty());
    m_before->setBuddy(m_spinBox);
    m_spinBox->setRange(minimum, maximum);
    m_spinBox->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_before);
    layout->addWidget(m_spinBox);
    layout->addWidget(m_after);
    layout->addStretch(1);

    connect(m_spinBox, &QSpinBox::valueChanged, this, &SettingsStepper::updateAccessibleName);
    updateAccessibleName();
}

void SettingsStepper::updateAccessibleName()
{
    m_spinBox->setAccessibleName(m_sentence.arg(m_spinBox->value()));
}

} // namespace ondrix
