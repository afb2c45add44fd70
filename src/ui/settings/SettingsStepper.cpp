#include "ui/settings/SettingsStepper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace ondrix {

SettingsStepper::SettingsStepper(std::function<QString(int)> sentence, int minimum, int maximum,
                                 QWidget* parent)
    : QWidget(parent)
    , m_sentence(std::move(sentence))
    , m_before(new QLabel(this))
    , m_spinBox(new QSpinBox(this))
    , m_after(new QLabel(this))
{
    m_before->setBuddy(m_spinBox);
    m_spinBox->setRange(minimum, maximum);
    m_spinBox->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_before);
    layout->addWidget(m_spinBox);
    layout->addWidget(m_after);
    layout->addStretch(1);

    connect(m_spinBox, &QSpinBox::valueChanged, this, &SettingsStepper::updateTexts);
    updateTexts();
}

void SettingsStepper::updateTexts()
{
    const QString text = m_sentence(m_spinBox->value());
    const QString number = QString::number(m_spinBox->value());
    const qsizetype at = text.indexOf(number);
    m_before->setText(at < 0 ? text : text.left(at).trimmed());
    m_after->setText(at < 0 ? QString() : text.mid(at + number.size()).trimmed());
    m_before->setVisible(!m_before->text().isEmpty());
    m_after->setVisible(!m_after->text().isEmpty());
    m_spinBox->setAccessibleName(text);
}

} // namespace ondrix
