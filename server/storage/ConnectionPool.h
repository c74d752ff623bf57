#pragma once

#include <mutex>
#include <vector>

// The idle connections of an engine, shared by the worker threads: a
// transaction takes one (or the engine opens a new one when none is idle)
// and gives it back when it ends. The pool owns what it holds.
template<typename Connection>
class ConnectionPool {
public:
    ConnectionPool() = default;
    ConnectionPool(const ConnectionPool&) = delete;
    ConnectionPool& operator=(const ConnectionPool&) = delete;
    ~ConnectionPool()
    {
        for (Connection* connection : m_idle)
            delete connection;
    }

    // An idle connection, or null when there is none.
    Connection* Take()
    {
        std::lock_guard lock(m_mutex);
        if (m_idle.empty())
            return nullptr;
        Connection* connection = m_idle.back();
        m_idle.pop_back();
        return connection;
    }

    void Give(Connection* connection)
    {
        std::lock_guard lock(m_mutex);
        m_idle.push_back(connection);
    }

private:
    std::mutex m_mutex;
    std::vector<Connection*> m_idle;
};
