#pragma once

#include "server/storage/ConnectionPool.h"
#include "server/storage/SqlDatabase.h"

#include <string>

struct PostgresConnection;

// The engine for a service of several processes (on one machine or many)
// in front of one PostgreSQL database, given by a libpq address
// ("postgresql://USER@HOST:PORT/DATABASE?…"). Each process keeps a pool of
// connections, one per transaction in flight, each with its prepared
// statements. Write transactions are SERIALIZABLE, reads REPEATABLE READ
// READ ONLY; the change stamps are those of ChangeStamps.h.
class PostgresDatabase final : public SqlDatabase {
public:
    // Connects and brings the schema up to date, one starting process at a
    // time (an advisory lock), so that several may start at once. On
    // failure `problem` says what failed.
    static ErrorOr<std::unique_ptr<PostgresDatabase>> Open(const std::string& address, std::string& problem);
    ~PostgresDatabase() override;

    std::string_view EngineName() const override { return "postgresql"; }

    // Whether an address names this engine ("postgresql://" or
    // "postgres://").
    static bool IsAddress(const std::string& address);

protected:
    ErrorOr<std::unique_ptr<SqlTransaction>> Start(TransactionKind kind, std::optional<std::int64_t> feedClock) override;

private:
    explicit PostgresDatabase(std::string address);
    ErrorOr<PostgresConnection*> Acquire(bool fresh);
    ErrorOr<std::unique_ptr<SqlTransaction>> StartOn(PostgresConnection& connection, TransactionKind kind, std::optional<std::int64_t> feedClock);

    std::string m_address;
    ConnectionPool<PostgresConnection> m_pool;
};
