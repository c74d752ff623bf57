#pragma once

#include "server/storage/SqlDatabase.h"

#include <mutex>
#include <string>
#include <vector>

struct SqliteConnection;

// The embedded engine: one SQLite file in write-ahead-log mode, shared by
// the worker threads through a pool of connections (one per transaction in
// flight). Write transactions begin IMMEDIATE, so they hold the write lock
// before their first read; commits are synchronous, because an answer to an
// upload lets the device delete its copy of the photo.
class SqliteDatabase final : public SqlDatabase {
public:
    // Opens (or creates) the database file and makes its schema.
    static ErrorOr<std::unique_ptr<SqliteDatabase>> Open(const std::string& path);
    ~SqliteDatabase() override;

    ErrorOr<std::unique_ptr<SqlTransaction>> Begin(TransactionKind kind) override;
    std::string_view EngineName() const override { return "sqlite"; }

    // Used by the transactions to hand their connection back.
    void Release(SqliteConnection* connection);

private:
    explicit SqliteDatabase(std::string path)
        : m_path(std::move(path))
    {
    }
    ErrorOr<SqliteConnection*> Acquire();

    std::string m_path;
    std::mutex m_mutex;
    std::vector<SqliteConnection*> m_idle;
};
