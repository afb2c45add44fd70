#pragma once

#include <QList>
#include <QString>
#include <QtMessageHandler>

namespace ondrix::test {

// Collects the messages of Qt's logging (qCWarning and friends) while it lives, so tests can check the
// system-log lines a component writes. Messages are still passed on to the previous handler.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList messages() const { return m_messages; }
    // Messages whose text contains `part`.
    QStringList matching(const QString& part) const { return m_messages.filter(part); }
    void clear() { m_messages.clear(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
    MessageCapture* m_outer = nullptr;
};

} // namespace ondrix::test
