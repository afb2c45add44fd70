#include "ui/browser/BrowserStatePage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ondrix {

BrowserStatePage::BrowserStatePage(QWidget* parent)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_busy(new QProgressBar(this))
    , m_title(new QLabel(this))
    , m_text(new QLabel(this))
    , m_button(new QPushButton(this))
{
    m_icon->setAlignment(Qt::AlignCenter);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setFixedWidth(160);
    m_busy->setAccessibleName(tr("Loading"));
    QFont large = m_title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    m_title->setFont(large);
    m_title->setTextFormat(Qt::PlainText);
    m_text->setTextFormat(Qt::PlainText);
    for (QLabel* label : {m_title, m_text}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_text->setForegroundRole(QPalette::PlaceholderText);
    // The one button there is retries; its label (and name) follows showMessage.
    m_button->setAccessibleName(tr("Retry"));
    connect(m_button, &QPushButton::clicked, this, &BrowserStatePage::buttonClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    layout->addWidget(m_icon);
    layout->addWidget(m_busy, 0, Qt::AlignHCenter);
    layout->addWidget(m_title);
    layout->addWidget(m_text);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    showMessage(QStyle::SP_MessageBoxInformation, {}, {});
}

void BrowserStatePage::showMessage(QStyle::StandardPixmap icon, const QString& title, const QString& text,
                                   const QString& buttonLabel)
{
    // Some of the style's pictures exist only small; a state page wants them large.
    QPixmap picture = style()->standardIcon(icon).pixmap(48, 48);
    if (picture.width() < 40) {
        picture = picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_icon->setPixmap(picture);
    m_icon->show();
    m_busy->hide();
    m_title->setText(title);
    m_text->setText(text);
    m_text->setVisible(!text.isEmpty());
    m_button->setText(buttonLabel);
    if (!buttonLabel.isEmpty()) {
        m_button->setAccessibleName(buttonLabel);
    }
    m_button->setVisible(!buttonLabel.isEmpty());
}

void BrowserStatePage::showBusy(const QString& title)
{
    m_icon->hide();
    m_busy->show();
    m_title->setText(title);
    m_text->hide();
    m_button->hide();
}

QString BrowserStatePage::title() const
{
    return m_title->text();
}

QString BrowserStatePage::text() const
{
    return m_text->text();
}

} // namespace ondrix
