#include "ui/about/AboutView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ondrix {

namespace {

QIcon themeIcon(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const QIcon icon = QIcon::fromTheme(QLatin1String(name));
        if (!icon.isNull()) {
            return icon;
        }
    }
    return {};
}

// A rounded square with an arrow leaving it to the upper right: "opens outside this application".
QPixmap opensElsewhereSymbol(const QColor& ink, int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    painter.drawLine(QPointF(5.5, 10.5), QPointF(10.5, 5.5));
    painter.drawPolyline(QPolygonF({QPointF(6.5, 5.5), QPointF(10.5, 5.5), QPointF(10.5, 9.5)}));
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon(QStringLiteral(":/icons/AppIcon.svg"));
    if (icon.availableSizes().isEmpty() && icon.pixmap(96).isNull()) {
        icon = QApplication::windowIcon();
    }
    return icon;
}

} // namespace

AboutView::AboutView(AboutInfo info, UrlOpener openUrl, QWidget* parent)
    : QWidget(parent)
    , m_info(std::move(info))
    , m_openUrl(openUrl ? std::move(openUrl)
                        : UrlOpener([](const QUrl& url) { QDesktopServices::openUrl(url); }))
    , m_version(new QLabel(m_info.versionLine(), this))
{
    auto* icon = new QLabel(this);
    const QIcon appIcon = applicationIcon();
    icon->setPixmap(appIcon.pixmap(QSize(96, 96), devicePixelRatioF()));
    icon->setVisible(!appIcon.isNull());
    icon->setFixedSize(96, 96);
    icon->setScaledContents(true);
    icon->setAccessibleName(tr("Ondrix icon"));

    auto* name = new QLabel(tr("Ondrix"), this);
    QFont title = name->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    name->setFont(title);

    QFont caption = m_version->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.9);
    m_version->setFont(caption);
    m_version->setForegroundRole(QPalette::PlaceholderText);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(6);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(m_version, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    links->addWidget(addLink(tr("Website"),
                             themeIcon({"web-browser-symbolic", "internet-web-browser", "globe"}),
                             m_info.website()));
    links->addWidget(addLink(tr("Privacy Policy"), themeIcon({"security-high-symbolic", "security-high"}),
                             m_info.privacyPolicy()));
    links->addWidget(addLink(tr("Terms of Service"),
                             themeIcon({"text-x-generic-symbolic", "text-x-generic", "document-properties"}),
                             m_info.termsOfService()));
    links->addWidget(addLink(tr("Support"), themeIcon({"mail-unread-symbolic", "mail-message", "mail-send"}),
                             m_info.support()));
    layout->addLayout(links);
    layout->addStretch(1);
}

QPushButton* AboutView::addLink(const QString& text, const QIcon& icon, const QUrl& url)
{
    auto* button = new QPushButton(icon, text, this);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setAccessibleName(text);
    button->setAccessibleDescription(url.toString());
    button->setToolTip(url.scheme() == QLatin1String("mailto") ? url.path() : url.toString());
    button->setIconSize(QSize(16, 16));
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 4px 8px; }"));
    // The trailing symbol sits inside the button, at its right edge.
    auto* row = new QHBoxLayout(button);
    row->setContentsMargins(0, 0, 8, 0);
    row->addStretch(1);
    auto* trailing = new QLabel(button);
    trailing->setPixmap(opensElsewhereSymbol(palette().color(QPalette::Link), 14, devicePixelRatioF()));
    trailing->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(trailing);
    connect(button, &QPushButton::clicked, this, [this, url] { m_openUrl(url); });
    m_links.append(button);
    return button;
}

} // namespace ondrix
