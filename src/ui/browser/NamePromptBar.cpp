#include "ui/browser/NamePromptBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ondrix {

NamePromptBar::NamePromptBar(QWidget* parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_message(new QLabel(this))
    , m_field(new QLineEdit(this))
    , m_accept(new QPushButton(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("namePrompt"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::AlternateBase);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_accept->setDefault(true);
    // Named for real by ask().
    m_field->setAccessibleName(tr("Name"));
    m_accept->setText(tr("OK"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_field, 1);
    row->addWidget(m_cancel);
    row->addWidget(m_accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(m_title);
    layout->addWidget(m_message);
    layout->addLayout(row);

    connect(m_accept, &QPushButton::clicked, this, [this] {
        const QString text = m_field->text();
        dismiss();
        Q_EMIT accepted(text);
    });
    connect(m_field, &QLineEdit::returnPressed, m_accept, &QPushButton::click);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        dismiss();
        Q_EMIT cancelled();
    });
    hide();
}

void NamePromptBar::ask(const QString& title, const QString& message, const QString& fieldName,
                        const QString& acceptLabel, const QString& text)
{
    m_title->setText(title);
    m_message->setText(message);
    m_field->setPlaceholderText(fieldName);
    m_field->setAccessibleName(fieldName);
    m_field->setText(text);
    m_field->selectAll();
    m_accept->setText(acceptLabel);
    show();
    m_field->setFocus();
}

void NamePromptBar::dismiss()
{
    hide();
    m_field->clear();
}

void NamePromptBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ondrix
