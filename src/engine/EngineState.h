#pragma once

#include <QMetaType>
#include <QString>

namespace ondrix {

// What one connection's engine is doing: idle, watching its folder, uploading, paused, or stopped by an error
// whose message the user sees. Two states are equal when the case and, for an error, the message are equal.
class EngineState {
public:
    enum class Kind { idle, watching, uploading, paused, error };

    EngineState() = default;
    static EngineState idle() { return {}; }
    static EngineState watching() { return EngineState(Kind::watching); }
    static EngineState uploading() { return EngineState(Kind::uploading); }
    static EngineState paused() { return EngineState(Kind::paused); }
    static EngineState error(const QString& message) { return EngineState(Kind::error, message); }

    Kind kind() const { return m_kind; }
    bool isError() const { return m_kind == Kind::error; }
    // The error's message; empty for the other cases.
    QString message() const { return m_message; }

    bool operator==(const EngineState&) const = default;

private:
    explicit EngineState(Kind kind, QString message = {})
        : m_kind(kind)
        , m_message(std::move(message))
    {}

    Kind m_kind = Kind::idle;
    QString m_message;
};

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::EngineState)
