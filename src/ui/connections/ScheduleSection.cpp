#include "ui/connections/ScheduleSection.h"

#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

using namespace FormWidgets;

ScheduleSection::ScheduleSection(ConnectionForm& form, QWidget* parent)
    : QGroupBox(tr("Schedule"), parent)
    , m_form(form)
{
    auto* layout = new QVBoxLayout(this);
    m_enabled = checkBox(tr("Upload only during scheduled hours"), QStringLiteral("scheduleEnabled"));
    layout->addWidget(m_enabled);
    connect(m_enabled, &QCheckBox::clicked, &m_form, &ConnectionForm::setScheduleEnabled);

    m_details = new QWidget;
    auto* details = new QVBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    const auto stepper = [this](QLabel*& value, const QString& name, const QString& what, bool start) {
        value = new QLabel;
        value->setObjectName(name);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 6);
        value->setAlignment(Qt::AlignCenter);
        auto* minus = toolButton(QStringLiteral("−"), name + QStringLiteral("Minus"),
                                 tr("One hour earlier: %1").arg(what));
        auto* plus = toolButton(QStringLiteral("+"), name + QStringLiteral("Plus"),
                                tr("One hour later: %1").arg(what));
        const auto step = [this, start](int delta) {
            if (start) {
                m_form.stepScheduleStartHour(delta);
            } else {
                m_form.stepScheduleEndHour(delta);
            }
        };
        connect(minus, &QToolButton::clicked, this, [step] { step(-1); });
        connect(plus, &QToolButton::clicked, this, [step] { step(1); });
        return std::pair{minus, plus};
    };
    auto [startMinus, startPlus] = stepper(m_startHour, QStringLiteral("startHour"), tr("start"), true);
    auto [endMinus, endPlus] = stepper(m_endHour, QStringLiteral("endHour"), tr("end"), false);
    details->addWidget(row({new QLabel(tr("Hours")), new QLabel(tr("From")), startMinus, m_startHour,
                            startPlus, new QLabel(tr("to")), endMinus, m_endHour, endPlus},
                           true));
    auto* days = new QHBoxLayout;
    const QStringList labels = ConnectionForm::dayLabels();
    const QList<int> numbers = ConnectionForm::scheduleDayNumbers();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int day = numbers[i];
        auto* dayButton = toolButton(labels[i], QStringLiteral("day%1").arg(day), QLocale().dayName(day));
        dayButton->setCheckable(true);
        dayButton->setMinimumWidth(44);
        connect(dayButton, &QToolButton::clicked, this, [this, day] { m_form.toggleScheduleDay(day); });
        m_dayButtons << dayButton;
        days->addWidget(dayButton);
    }
    days->addStretch();
    details->addLayout(days);
    layout->addWidget(m_details);
}

void ScheduleSection::refresh()
{
    const PushConnection& c = m_form.connection();
    m_enabled->setChecked(c.scheduleEnabled);
    m_details->setEnabled(c.scheduleEnabled);
    m_startHour->setText(ConnectionForm::hourText(c.scheduleStartHour));
    m_endHour->setText(ConnectionForm::hourText(c.scheduleEndHour));
    const QList<int> numbers = ConnectionForm::scheduleDayNumbers();
    for (qsizetype i = 0; i < m_dayButtons.size(); ++i) {
        m_dayButtons[i]->setChecked(c.scheduleDays.contains(numbers[i]));
    }
}

} // namespace ondrix
