#pragma once

#include "server/storage/ConnectionPool.h"
#include "server/storage/SqlDatabase.h"

#include <string>

struct SqliteConnection;

// The embedded engine: one SQLite file in write-ahead-log mode, shared by
// the worker threads through a pool of connections (one per transaction in
// flight), and by several processes on one machine if need be. Write
// transactions begin IMMEDIATE, so they hold the write lock before their
// first read, which makes them serializable and keeps the change stamps
// (ChangeStamps.h); commits are synchronous, because an answer to an upload
// lets the device delete its copy of the photo.
class SqliteDatabase final : public SqlDatabase {
public:
    // Opens (or creates) the database file and brings its schema up to
    // date; on failure `problem` says what failed.
    static ErrorOr<std::unique_ptr<SqliteDatabase>> Open(const std::string& path, std::string& problem);
    ~SqliteDatabase() override;

    std::string_view EngineName() const override { return "sqlite"; }

protected:
    ErrorOr<std::unique_ptr<SqlTransaction>> Start(TransactionKind kind, std::optional<std::int64_t> feedClock) override;

private:
    explicit SqliteDatabase(std::string path);
    ErrorOr<SqliteConnection*> Acquire();

    std::string m_path;
    ConnectionPool<SqliteConnection> m_pool;
};
