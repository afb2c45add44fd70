#include "app/DesktopTheme.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace ondrix {

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");

// The portal wraps the value in one variant more than its signature says.
std::optional<uint> schemeFrom(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        QDBusVariant inner;
        value.value<QDBusArgument>() >> inner;
        value = inner.variant();
    }
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? std::optional<uint>(scheme) : std::nullopt;
}
} // namespace

DesktopTheme::DesktopTheme(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_dark(paletteIsDark())
{
    qRegisterMetaType<QDBusVariant>();
    if (qGuiApp) {
        qGuiApp->installEventFilter(this);
    }
}

void DesktopTheme::start()
{
    if (!m_bus.isConnected()) {
        return;
    }
    m_bus.connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettingsInterface,
                                                       QStringLiteral("Read"));
    read << kAppearance << kColorScheme;
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(read, 5000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call] {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError()) {
            applyScheme(schemeFrom(QVariant::fromValue(reply.value())));
        }
    });
}

void DesktopTheme::settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value)
{
    if (nameSpace == kAppearance && key == kColorScheme) {
        applyScheme(schemeFrom(QVariant::fromValue(value)));
    }
}

void DesktopTheme::applyScheme(std::optional<uint> scheme)
{
    m_portalScheme = scheme;
    update();
}

bool DesktopTheme::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange) {
        update();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopTheme::update()
{
    const bool dark = m_portalScheme == 1u ? true : m_portalScheme == 2u ? false : paletteIsDark();
    if (dark == m_dark) {
        return;
    }
    m_dark = dark;
    Q_EMIT darkChanged(dark);
}

bool DesktopTheme::paletteIsDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

} // namespace ondrix
