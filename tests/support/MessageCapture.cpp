#include "support/MessageCapture.h"

namespace ondrix::test {

namespace {
MessageCapture* s_current = nullptr;
}

MessageCapture::MessageCapture()
    : m_outer(s_current)
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageCapture::handler);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = m_outer;
}

void MessageCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (s_current) {
        s_current->m_messages.append(message);
        if (s_current->m_previous)
            s_current->m_previous(type, context, message);
    }
}

} // namespace ondrix::test
