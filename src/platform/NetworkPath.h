#pragma once

#include <QList>
#include <QMetaType>

namespace ondrix {

// A snapshot of the machine's network situation, as a path monitor reports it: whether traffic can flow at
// all, whether the link is metered (a mobile hotspot, a phone's tethering, a modem), and which kinds of
// interface carry it.
struct NetworkPath {
    enum class Status { satisfied, unsatisfied };
    enum class InterfaceType { wiredEthernet, wifi, other };

    Status status = Status::satisfied;
    bool isExpensive = false;
    QList<InterfaceType> availableInterfaces;

    bool isSatisfied() const { return status == Status::satisfied; }
    bool usesInterfaceType(InterfaceType type) const { return availableInterfaces.contains(type); }

    bool operator==(const NetworkPath&) const = default;
};

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::NetworkPath)
