#include "platform/StoreTransaction.h"

#include "platform/StoreConnection.h"

namespace ondrix {

StoreTransaction::StoreTransaction(StoreConnection& connection)
    : m_connection(connection)
    , m_outermost(connection.transactionDepth == 0)
{
    ++m_connection.transactionDepth;
    m_began = m_outermost ? m_connection.begin() : true;
}

StoreTransaction::~StoreTransaction()
{
    --m_connection.transactionDepth;
    if (m_outermost && m_began && !m_ended) {
        m_connection.rollback();
    }
}

bool StoreTransaction::commit()
{
    if (!m_outermost || !m_began || m_ended) {
        return m_began;
    }
    m_ended = true;
    if (m_connection.commit()) {
        return true;
    }
    m_connection.rollback();
    return false;
}

} // namespace ondrix
