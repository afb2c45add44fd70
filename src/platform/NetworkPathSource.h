#pragma once

#include "platform/NetworkPath.h"

#include <QObject>

namespace ondrix {

// Reports the network path: once with the current path soon after `start` (never from inside it), then after
// every change. Lives on the main thread; `pathChanged` is emitted there.
class NetworkPathSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~NetworkPathSource() override = default;

    virtual void start() = 0;
    // The last path reported (or that would be reported); a satisfied path without interfaces before `start`.
    virtual NetworkPath currentPath() const = 0;

Q_SIGNALS:
    void pathChanged(const ondrix::NetworkPath& path);
};

} // namespace ondrix
