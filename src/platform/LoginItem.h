#pragma once

#include <QString>

#include <optional>

namespace ondrix {

// The desktop's list of programs started when the user logs in, for this application only.
class LoginItem {
public:
    virtual ~LoginItem() = default;

    virtual bool isRegistered() const = 0;
    // Adds (true) or removes (false) the application; on failure, a sentence a person can read. Removing an
    // item that is not there succeeds.
    virtual std::optional<QString> setRegistered(bool registered) = 0;
};

} // namespace ondrix
