#include "ui/connections/ConnectionTestArea.h"

#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionGlyphs.h"
#include "ui/connections/ConnectionTester.h"
#include "ui/connections/FormWidgets.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ondrix {

using namespace FormWidgets;

ConnectionTestArea::ConnectionTestArea(ConnectionForm& form, QThreadPool& pool, QWidget* parent)
    : QWidget(parent)
    , m_form(form)
    , m_pool(pool)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    auto* icon = new QLabel;
    icon->setPixmap(ConnectionGlyphs::warning().pixmap(16, 16));
    m_requiredText = new QLabel;
    m_requiredText->setObjectName(QStringLiteral("requiredCaption"));
    colour(m_requiredText, StatusTone::warning);
    m_required = row({icon, m_requiredText}, true);
    layout->addWidget(m_required);

    m_button = button(tr("Test Connection"), QStringLiteral("testConnection"));
    m_resultLabel = new QLabel;
    m_resultLabel->setObjectName(QStringLiteral("testResult"));
    m_resultLabel->setWordWrap(true);
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resultLabel->hide();
    layout->addWidget(row({m_button}, true));
    layout->addWidget(m_resultLabel);
    connect(m_button, &QPushButton::clicked, this, &ConnectionTestArea::testConnection);
}

void ConnectionTestArea::refresh()
{
    const QString required = m_form.requiredCaption();
    m_requiredText->setText(required);
    m_required->setVisible(!required.isEmpty());
    m_button->setEnabled(!m_testing);
    m_button->setText(m_testing ? tr("Testing...") : tr("Test Connection"));
    m_resultLabel->setText(m_result);
    colour(m_resultLabel, m_succeeded ? StatusTone::success : StatusTone::error);
    m_resultLabel->setVisible(!m_result.isEmpty());
}

void ConnectionTestArea::testConnection()
{
    if (m_testing) {
        return;
    }
    m_testing = true;
    m_result.clear();
    refresh();
    ConnectionTester::run(m_pool, m_form.connection(), this, [this](const QString& result, bool success) {
        m_testing = false;
        m_succeeded = success;
        m_result = result;
        refresh();
        Q_EMIT testFinished(result);
    });
}

} // namespace ondrix
