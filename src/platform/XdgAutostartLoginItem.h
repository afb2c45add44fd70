#pragma once

#include "platform/LoginItem.h"

namespace ondrix {

// The XDG autostart entry $XDG_CONFIG_HOME/autostart/<applicationId>.desktop, which every freedesktop
// session (GNOME, KDE, XFCE, ...) starts at login. The folder is resolved at each call, so a test that points
// XDG_CONFIG_HOME at a temporary folder sees its own entry.
class XdgAutostartLoginItem final : public LoginItem {
public:
    // `executable` is started by the entry (an absolute path, quoted as the desktop entry format requires).
    XdgAutostartLoginItem(QString applicationId, QString applicationName, QString executable);

    QString entryPath() const;
    bool isRegistered() const override;
    std::optional<QString> setRegistered(bool registered) override;

private:
    QString m_applicationId;
    QString m_applicationName;
    QString m_executable;
};

} // namespace ondrix
