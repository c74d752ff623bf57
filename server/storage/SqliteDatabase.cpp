#include "server/storage/SqliteDatabase.h"

#include "server/storage/Schema.h"
#include "server/storage/ServiceMeta.h"

#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <unistd.h>
#include <unordered_map>

// One open handle with its prepared statements, which stay compiled for
// the life of the connection.
struct SqliteConnection {
    sqlite3* handle { nullptr };
    std::unordered_map<std::string, sqlite3_stmt*> statements;

    ~SqliteConnection()
    {
        for (auto& [sql, statement] : statements)
            sqlite3_finalize(statement);
        sqlite3_close_v2(handle);
    }
};

namespace {

// How long a writer waits for another writer before the request fails.
constexpr int BusyTimeoutMicroseconds = 15'000'000;
// How often a waiting writer looks again. SQLite's own timeout sleeps up to
// 100 ms between looks, far longer than a request holds the lock, so that
// under load the waiters would mostly sleep while the lock is free.
constexpr int BusyPollMicroseconds = 1000;

int WaitForTheLock(void*, int looks)
{
    if (looks >= BusyTimeoutMicroseconds / BusyPollMicroseconds)
        return 0;
    ::usleep(BusyPollMicroseconds);
    return 1;
}

ErrorCode CodeFromSqlite(int result)
{
    switch (result & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Error::SharingViolation;
    case SQLITE_NOMEM:
        return Error::NotEnoughMemory;
    case SQLITE_FULL:
        return Error::DiskFull;
    case SQLITE_IOERR:
        return Error::WriteFault;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Error::InvalidData;
    case SQLITE_CANTOPEN:
        return Error::PathNotFound;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Error::AccessDenied;
    case SQLITE_CONSTRAINT:
        return Error::AlreadyExists;
    default:
        return Error::GeneralFailure;
    }
}

// The code of a failed statement; the message goes to the log, except for
// a key that refuses a row, which its caller expects and answers.
ErrorCode Report(SqliteConnection& connection, int result, std::string_view what)
{
    ErrorCode code = CodeFromSqlite(result);
    if (code != Error::AlreadyExists)
        std::fprintf(stderr, "sqlite: %.*s: %s\n", static_cast<int>(what.size()), what.data(), sqlite3_errmsg(connection.handle));
    return code;
}

ErrorCode RunPlain(SqliteConnection& connection, const char* sql)
{
    int result = sqlite3_exec(connection.handle, sql, nullptr, nullptr, nullptr);
    return result == SQLITE_OK ? Error::Success : Report(connection, result, sql);
}

class SqliteTransaction final : public SqlTransaction {
public:
    SqliteTransaction(ConnectionPool<SqliteConnection>& pool, SqliteConnection& connection, std::optional<std::int64_t> feedClock)
        : m_pool(pool)
        , m_connection(connection)
        , m_feedClock(feedClock)
    {
    }

    ~SqliteTransaction() override
    {
        // Nothing of an unfinished request may stay. SQLite has already
        // rolled back after some failures (then it is in autocommit mode);
        // a rollback that fails leaves a connection that is closed instead
        // of reused.
        if (!m_finished && !sqlite3_get_autocommit(m_connection.handle)) {
            if (RunPlain(m_connection, "ROLLBACK") != Error::Success) {
                delete &m_connection;
                return;
            }
        }
        m_pool.Give(&m_connection);
    }

    ErrorOr<SqlRows> Query(std::string_view sql, const std::vector<SqlValue>& parameters) override
    {
        // The stamp taken after a savepoint is undone with it.
        if (sql.starts_with("ROLLBACK TO"))
            m_changeStamp.reset();
        auto statement = Prepare(sql);
        if (statement.IsError())
            return statement.GetError();
        sqlite3_stmt* compiled = *statement;
        sqlite3_reset(compiled);
        sqlite3_clear_bindings(compiled);
        if (static_cast<size_t>(sqlite3_bind_parameter_count(compiled)) != parameters.size()) {
            std::fprintf(stderr, "sqlite: %zu parameters for: %.*s\n", parameters.size(), static_cast<int>(sql.size()), sql.data());
            return Error::InvalidParameter;
        }
        for (size_t i = 0; i < parameters.size(); ++i) {
            int index = static_cast<int>(i + 1);
            int result = SQLITE_OK;
            if (auto* number = std::get_if<std::int64_t>(&parameters[i]))
                result = sqlite3_bind_int64(compiled, index, *number);
            else if (auto* text = std::get_if<std::string>(&parameters[i]))
                result = sqlite3_bind_text(compiled, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            else
                result = sqlite3_bind_null(compiled, index);
            if (result != SQLITE_OK)
                return Report(m_connection, result, sql);
        }
        SqlRows rows;
        for (;;) {
            int result = sqlite3_step(compiled);
            if (result == SQLITE_DONE)
                break;
            if (result != SQLITE_ROW) {
                ErrorCode code = Report(m_connection, result, sql);
                sqlite3_reset(compiled);
                return code;
            }
            rows.push_back(ReadRow(compiled));
        }
        m_changedRows = sqlite3_changes64(m_connection.handle);
        sqlite3_reset(compiled);
        return rows;
    }

    std::int64_t ChangedRows() const override { return m_changedRows; }

    // One writer at a time: the stamps of ServiceMeta, under the write lock.
    ErrorOr<std::int64_t> ChangeStamp(std::int64_t now) override
    {
        if (!m_changeStamp) {
            auto stamp = TakeSerializedStamp(*this, now);
            if (stamp.IsError())
                return stamp;
            m_changeStamp = *stamp;
        }
        return *m_changeStamp;
    }

    ErrorOr<std::int64_t> FeedStamp() override
    {
        if (!m_feedClock)
            return ErrorOr<std::int64_t>::FromError(Error::InvalidParameter);
        // Raised as a change's would be, so that a writer whose clock reads
        // less (it read its clock before this transaction took the lock)
        // still stamps at or above what this read hands out.
        return ChangeStamp(*m_feedClock);
    }

    ErrorCode Commit() override
    {
        ErrorCode code = RunPlain(m_connection, "COMMIT");
        if (code == Error::Success)
            m_finished = true;
        return code;
    }

private:
    ErrorOr<sqlite3_stmt*> Prepare(std::string_view sql)
    {
        std::string key(sql);
        if (auto found = m_connection.statements.find(key); found != m_connection.statements.end())
            return found->second;
        sqlite3_stmt* statement = nullptr;
        int result = sqlite3_prepare_v3(m_connection.handle, key.c_str(), static_cast<int>(key.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
        if (result != SQLITE_OK) {
            sqlite3_finalize(statement);
            return ErrorOr<sqlite3_stmt*>(Report(m_connection, result, sql));
        }
        m_connection.statements.emplace(std::move(key), statement);
        return statement;
    }

    static SqlRow ReadRow(sqlite3_stmt* statement)
    {
        SqlRow row;
        int columns = sqlite3_column_count(statement);
        row.values.reserve(static_cast<size_t>(columns));
        for (int column = 0; column < columns; ++column) {
            switch (sqlite3_column_type(statement, column)) {
            case SQLITE_INTEGER:
                row.values.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(statement, column)));
                break;
            case SQLITE_NULL:
                row.values.emplace_back(std::monostate {});
                break;
            default: {
                auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                int size = sqlite3_column_bytes(statement, column);
                row.values.emplace_back(std::string(text ? text : "", static_cast<size_t>(size)));
            }
            }
        }
        return row;
    }

    ConnectionPool<SqliteConnection>& m_pool;
    SqliteConnection& m_connection;
    std::optional<std::int64_t> m_feedClock;
    std::optional<std::int64_t> m_changeStamp;
    std::int64_t m_changedRows { 0 };
    bool m_finished { false };
};

}

ErrorOr<std::unique_ptr<SqliteDatabase>> SqliteDatabase::Open(const std::string& path, std::string& problem)
{
    std::unique_ptr<SqliteDatabase> database(new SqliteDatabase(path));
    // The write lock makes this the only start upgrading the file.
    auto transaction = database->Begin(TransactionKind::Write);
    if (transaction.IsError()) {
        problem = "cannot open the database " + path;
        return transaction.GetError();
    }
    if (ErrorCode code = UpgradeSchema(**transaction, SqliteSchema(), problem); code != Error::Success) {
        problem += " (" + path + ")";
        return code;
    }
    if (ErrorCode code = (*transaction)->Commit(); code != Error::Success) {
        problem = "cannot write to the database " + path;
        return code;
    }
    return database;
}

SqliteDatabase::SqliteDatabase(std::string path)
    : m_path(std::move(path))
{
}

SqliteDatabase::~SqliteDatabase() = default;

ErrorOr<SqliteConnection*> SqliteDatabase::Acquire()
{
    if (SqliteConnection* idle = m_pool.Take())
        return idle;
    auto connection = std::make_unique<SqliteConnection>();
    int result = sqlite3_open_v2(m_path.c_str(), &connection->handle,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK)
        return ErrorOr<SqliteConnection*>(Report(*connection, result, m_path));
    sqlite3_busy_handler(connection->handle, WaitForTheLock, nullptr);
    for (const char* pragma : { "PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON" }) {
        if (ErrorCode code = RunPlain(*connection, pragma); code != Error::Success)
            return ErrorOr<SqliteConnection*>(code);
    }
    return connection.release();
}

ErrorOr<std::unique_ptr<SqlTransaction>> SqliteDatabase::Start(TransactionKind kind, std::optional<std::int64_t> feedClock)
{
    auto connection = Acquire();
    if (connection.IsError())
        return connection.GetError();
    const char* begin = kind == TransactionKind::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED";
    if (ErrorCode code = RunPlain(**connection, begin); code != Error::Success) {
        m_pool.Give(*connection);
        return code;
    }
    return std::unique_ptr<SqlTransaction>(new SqliteTransaction(m_pool, **connection, feedClock));
}
