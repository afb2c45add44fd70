#pragma once

namespace ondrix {

// Asks the desktop's notification service for permission to show alerts with sound and a badge. The answer
// arrives asynchronously, possibly on another thread, and goes to the implementation's own handler; callers
// do not wait for it.
class NotificationPermissionRequester {
public:
    virtual ~NotificationPermissionRequester() = default;
    virtual void requestNotificationPermission() = 0;
};

} // namespace ondrix
