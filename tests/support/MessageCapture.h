#pragma once

#include <QStringList>
#include <QtMessageHandler>

#include <utility>

namespace ondrix::test {

// Collects the messages of Qt's logging (qCWarning and friends) while it lives, so tests can check the
// system-log lines a component writes. Messages are still passed on to the previous handler.
class MessageCapture {
public:
    MessageCapture()
        : m_previous(qInstallMessageHandler(&MessageCapture::handler))
        , m_outer(std::exchange(s_current, this))
    {}
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        s_current = m_outer;
    }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList messages() const { return m_messages; }
    QStringList matching(const QString& part) const { return m_messages.filter(part); }
    void clear() { m_messages.clear(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (s_current) {
            s_current->m_messages.append(message);
            if (s_current->m_previous)
                s_current->m_previous(type, context, message);
        }
    }

    static inline MessageCapture* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    MessageCapture* m_outer = nullptr;
    QStringList m_messages;
};

} // namespace ondrix::test
