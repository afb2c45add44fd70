#pragma once

namespace ondrix {

class StoreConnection;

// One transaction on a StoreConnection for the life of the guard: it begins when the guard is made, and what
// was written since is kept only when `commit` is called; a guard left without it rolls back. A guard made
// inside another on the same connection joins the outer transaction: its commit and its end do nothing, the
// outer guard decides.
//
// Used by the thread that holds the connection's lock, for as long as it holds it.
class StoreTransaction {
public:
    explicit StoreTransaction(StoreConnection& connection);
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // False when the transaction could not begin (the writes then go through one by one, as SQLite runs each
    // statement on its own).
    bool began() const { return m_began; }
    // Keeps the writes; false when the commit failed, and then they are rolled back.
    bool commit();

private:
    StoreConnection& m_connection;
    const bool m_outermost;
    bool m_began = false;
    bool m_ended = false;
};

} // namespace ondrix
