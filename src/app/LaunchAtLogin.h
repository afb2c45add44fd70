#pragma once

namespace ondrix {

class LoginItem;
class LogService;

// Registers or removes the application as a login item. A failure is one diagnostic line
// "[LaunchAtLogin] Failed to register login item: <reason>" (or "unregister") and a warning in the activity
// log, so the person who flipped the switch can see why it did not take; nothing is retried and the setting
// is not changed.
class LaunchAtLogin {
public:
    // `log` may be null.
    LaunchAtLogin(LoginItem& item, LogService* log);

    void setEnabled(bool enabled);
    bool isEnabled() const;

private:
    LoginItem& m_item;
    LogService* m_log;
};

} // namespace ondrix
