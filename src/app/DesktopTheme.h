#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>

#include <optional>

namespace ondrix {

// Dark or light, as the desktop prefers: the settings portal's org.freedesktop.appearance color-scheme
// (1 dark, 2 light), read at start and followed on change; with no portal, or "no preference", the
// lightness of the application palette's window colour, followed on palette changes.
//
// Lives on the main thread; the portal is asked asynchronously.
class DesktopTheme : public QObject {
    Q_OBJECT

public:
    explicit DesktopTheme(QDBusConnection bus, QObject* parent = nullptr);

    // Reads the portal; `isDark` is the palette's answer until the reply arrives.
    void start();
    bool isDark() const { return m_dark; }

Q_SIGNALS:
    void darkChanged(bool dark);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    void applyScheme(std::optional<uint> scheme);
    void update();
    static bool paletteIsDark();

    QDBusConnection m_bus;
    std::optional<uint> m_portalScheme;
    bool m_dark = false;
};

} // namespace ondrix
