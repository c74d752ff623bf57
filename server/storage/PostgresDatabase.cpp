#include "server/storage/PostgresDatabase.h"

#include "server/storage/Schema.h"
#include "server/storage/SqlPlaceholders.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <libpq-fe.h>
#include <unordered_map>

// One open connection with its prepared statements, which stay prepared
// for the life of the connection.
struct PostgresConnection {
    PGconn* handle { nullptr };
    std::unordered_map<std::string, std::string> statements; // SQL → name

    ~PostgresConnection()
    {
        if (handle)
            PQfinish(handle);
    }

    // Fit to hand to the next transaction: connected, and in none.
    bool Reusable() const { return PQstatus(handle) == CONNECTION_OK && PQtransactionStatus(handle) == PQTRANS_IDLE; }
};

namespace {

// The column types read as numbers (their oids are fixed: pg_type.dat).
constexpr Oid BoolType = 16;
constexpr Oid Int8Type = 20;
constexpr Oid Int2Type = 21;
constexpr Oid Int4Type = 23;
constexpr Oid OidType = 26;
constexpr Oid NumericType = 1700;

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

ErrorCode CodeFromState(std::string_view state)
{
    if (state == "40001" || state == "40P01") // serialization failure, deadlock
        return TransactionConflict;
    if (state == "53100")
        return Error::DiskFull;
    if (state == "53200")
        return Error::NotEnoughMemory;
    if (state == "53300" || state.substr(0, 2) == "08" || state.substr(0, 3) == "57P") // too many connections, connection lost, shutting down
        return Error::SharingViolation;
    if (state.substr(0, 2) == "23")
        return Error::AlreadyExists;
    if (state.substr(0, 2) == "22")
        return Error::InvalidData;
    if (state == "42501" || state == "25006") // no privilege, read-only transaction
        return Error::AccessDenied;
    return Error::GeneralFailure;
}

// The code of a failed statement; the server's message goes to the log,
// except for conflicts, which are run again and are no fault, and for a key
// that refuses a row, which its caller expects and answers.
ErrorCode Report(PostgresConnection& connection, const PGresult* result, std::string_view what)
{
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    // Without a state the connection itself failed.
    ErrorCode code = state ? CodeFromState(state) : Error::SharingViolation;
    if (code != TransactionConflict && !(state && std::string_view(state) == "23505")) {
        const char* message = result ? PQresultErrorMessage(result) : "";
        if (!*message)
            message = PQerrorMessage(connection.handle);
        std::fprintf(stderr, "postgresql: %.*s: %s%s", static_cast<int>(what.size()), what.data(), message,
            std::strchr(message, '\n') ? "" : "\n");
    }
    return code;
}

bool Succeeded(const PGresult* result)
{
    ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

// A statement without parameters (transaction control, the schema).
ErrorOr<Result> RunPlain(PostgresConnection& connection, const char* sql)
{
    Result result(PQexec(connection.handle, sql));
    if (!Succeeded(result.get()))
        return Report(connection, result.get(), sql);
    return result;
}

void IgnoreNotice(void*, const char*)
{
    // "relation already exists, skipping" and the like, which the schema's
    // IF NOT EXISTS asks for.
}

// A new connection, or none with the reason in `problem`.
std::unique_ptr<PostgresConnection> Connect(const std::string& address, std::string& problem)
{
    auto connection = std::make_unique<PostgresConnection>();
    connection->handle = PQconnectdb(address.c_str());
    if (!connection->handle) {
        problem = "out of memory";
        return nullptr;
    }
    if (PQstatus(connection->handle) != CONNECTION_OK) {
        problem = PQerrorMessage(connection->handle);
        while (!problem.empty() && (problem.back() == '\n' || problem.back() == ' '))
            problem.pop_back();
        return nullptr;
    }
    PQsetNoticeProcessor(connection->handle, IgnoreNotice, nullptr);
    if (PQsetClientEncoding(connection->handle, "UTF8") != 0) {
        problem = "the server does not take UTF-8";
        return nullptr;
    }
    return connection;
}

const char* BeginStatement(TransactionKind kind)
{
    return kind == TransactionKind::Write ? "BEGIN ISOLATION LEVEL SERIALIZABLE" : "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY";
}

SqlValue ReadValue(const PGresult* result, int row, int column, Oid type)
{
    if (PQgetisnull(result, row, column))
        return std::monostate {};
    const char* text = PQgetvalue(result, row, column);
    switch (type) {
    case Int8Type:
    case Int4Type:
    case Int2Type:
    case OidType:
    case NumericType: // a sum or the like: its whole part
        return static_cast<std::int64_t>(std::strtoll(text, nullptr, 10));
    case BoolType:
        return std::int64_t { text[0] == 't' ? 1 : 0 };
    default:
        return std::string(text, static_cast<size_t>(PQgetlength(result, row, column)));
    }
}

class PostgresTransaction final : public SqlTransaction {
public:
    PostgresTransaction(ConnectionPool<PostgresConnection>& pool, PostgresConnection& connection, std::optional<std::int64_t> feedStamp)
        : m_pool(pool)
        , m_connection(connection)
        , m_feedStamp(feedStamp)
    {
    }

    ~PostgresTransaction() override
    {
        // Nothing of an unfinished request may stay. A connection that
        // can't say it is out of the transaction is closed, not reused.
        if (PQstatus(m_connection.handle) == CONNECTION_OK && PQtransactionStatus(m_connection.handle) != PQTRANS_IDLE) {
            Result result(PQexec(m_connection.handle, "ROLLBACK"));
        }
        if (m_connection.Reusable())
            m_pool.Give(&m_connection);
        else
            delete &m_connection;
    }

    ErrorOr<SqlRows> Query(std::string_view sql, const std::vector<SqlValue>& parameters) override
    {
        // Rolling back to a savepoint also lets go of the stamp's lock if
        // it was taken after the savepoint: a later change takes it anew.
        if (sql.starts_with("ROLLBACK TO"))
            m_changeStamp.reset();
        auto name = Prepare(sql);
        if (name.IsError())
            return name.GetError();
        std::vector<std::string> numbers(parameters.size());
        std::vector<const char*> values(parameters.size(), nullptr);
        for (size_t i = 0; i < parameters.size(); ++i) {
            if (auto* number = std::get_if<std::int64_t>(&parameters[i])) {
                numbers[i] = std::to_string(*number);
                values[i] = numbers[i].c_str();
            } else if (auto* text = std::get_if<std::string>(&parameters[i])) {
                // Parameters travel as C strings, and PostgreSQL's text
                // can't hold a NUL anyway: refused rather than cut.
                if (text->find('\0') != std::string::npos)
                    return Error::InvalidData;
                values[i] = text->c_str();
            }
        }
        Result result(PQexecPrepared(m_connection.handle, name->c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0));
        if (!Succeeded(result.get()))
            return Report(m_connection, result.get(), sql);
        const char* changed = PQcmdTuples(result.get());
        m_changedRows = *changed ? std::strtoll(changed, nullptr, 10) : 0;
        SqlRows rows;
        int rowCount = PQntuples(result.get());
        int columns = PQnfields(result.get());
        rows.reserve(static_cast<size_t>(rowCount));
        for (int row = 0; row < rowCount; ++row) {
            SqlRow values;
            values.values.reserve(static_cast<size_t>(columns));
            for (int column = 0; column < columns; ++column)
                values.values.push_back(ReadValue(result.get(), row, column, PQftype(result.get(), column)));
            rows.push_back(std::move(values));
        }
        return rows;
    }

    std::int64_t ChangedRows() const override { return m_changedRows; }

    ErrorOr<std::int64_t> ChangeStamp(std::int64_t now) override
    {
        if (!m_changeStamp) {
            auto stamp = QueryNumber(*this, "SELECT vbx_change_stamp(?)", { now });
            if (stamp.IsError())
                return stamp;
            m_changeStamp = *stamp;
        }
        return *m_changeStamp;
    }

    ErrorOr<std::int64_t> FeedStamp() override
    {
        if (!m_feedStamp)
            return ErrorOr<std::int64_t>::FromError(Error::InvalidParameter);
        return *m_feedStamp;
    }

    ErrorCode Commit() override
    {
        Result result(PQexec(m_connection.handle, "COMMIT"));
        if (!Succeeded(result.get()))
            return Report(m_connection, result.get(), "COMMIT");
        // A transaction that failed earlier answers COMMIT with a rollback.
        if (std::strcmp(PQcmdStatus(result.get()), "COMMIT") != 0) {
            std::fprintf(stderr, "postgresql: COMMIT of a failed transaction was rolled back\n");
            return Error::GeneralFailure;
        }
        return Error::Success;
    }

private:
    ErrorOr<std::string> Prepare(std::string_view sql)
    {
        std::string key(sql);
        if (auto found = m_connection.statements.find(key); found != m_connection.statements.end())
            return found->second;
        std::string name = "vbx" + std::to_string(m_connection.statements.size() + 1);
        std::string numbered = NumberedPlaceholders(sql);
        Result result(PQprepare(m_connection.handle, name.c_str(), numbered.c_str(), 0, nullptr));
        if (!Succeeded(result.get()))
            return Report(m_connection, result.get(), sql);
        m_connection.statements.emplace(std::move(key), name);
        return name;
    }

    ConnectionPool<PostgresConnection>& m_pool;
    PostgresConnection& m_connection;
    std::optional<std::int64_t> m_feedStamp;
    std::optional<std::int64_t> m_changeStamp;
    std::int64_t m_changedRows { 0 };
};

}

bool PostgresDatabase::IsAddress(const std::string& address)
{
    return address.rfind("postgresql://", 0) == 0 || address.rfind("postgres://", 0) == 0;
}

ErrorOr<std::unique_ptr<PostgresDatabase>> PostgresDatabase::Open(const std::string& address, std::string& problem)
{
    std::unique_ptr<PostgresDatabase> database(new PostgresDatabase(address));
    std::string reason;
    std::unique_ptr<PostgresConnection> connection = Connect(address, reason);
    if (!connection) {
        problem = "cannot connect to the database: " + reason;
        return Error::SharingViolation;
    }
    auto encoding = RunPlain(*connection, "SHOW server_encoding");
    if (encoding.IsError()) {
        problem = "cannot read the database's encoding";
        return encoding.GetError();
    }
    std::string encodingName = PQgetvalue(encoding->get(), 0, 0);
    if (encodingName != "UTF8" && encodingName != "SQL_ASCII") {
        problem = "the database's encoding is " + encodingName + "; the service keeps UTF-8 text (create it with ENCODING 'UTF8')";
        return Error::InvalidData;
    }
    auto schema = RunPlain(*connection, "SELECT current_schema()");
    if (schema.IsError() || PQgetisnull(schema->get(), 0, 0)) {
        problem = "the database's search path names no schema that exists";
        return schema.IsError() ? schema.GetError() : Error::PathNotFound;
    }

    // The transaction's lock lets one starting process at a time look at
    // the schema; the others wait and then find it done. (READ COMMITTED,
    // so that each statement after the wait sees what the other made.)
    auto started = RunPlain(*connection, "BEGIN ISOLATION LEVEL READ COMMITTED");
    if (started.IsError()) {
        problem = "cannot begin a transaction";
        return started.GetError();
    }
    PostgresTransaction transaction(database->m_pool, *connection.release(), std::nullopt);
    if (ErrorCode code = transaction.Execute("SELECT pg_advisory_xact_lock(hashtext('vellumbrix schema'), hashtext(current_schema()))");
        code != Error::Success) {
        problem = "cannot lock the schema";
        return code;
    }
    if (ErrorCode code = UpgradeSchema(transaction, PostgresSchema(), problem); code != Error::Success)
        return code;
    if (ErrorCode code = transaction.Commit(); code != Error::Success) {
        problem = "cannot commit the schema";
        return code;
    }
    return database;
}

PostgresDatabase::PostgresDatabase(std::string address)
    : m_address(std::move(address))
{
}

PostgresDatabase::~PostgresDatabase() = default;

ErrorOr<PostgresConnection*> PostgresDatabase::Acquire(bool fresh)
{
    if (PostgresConnection* idle = fresh ? nullptr : m_pool.Take())
        return idle;
    std::string problem;
    std::unique_ptr<PostgresConnection> connection = Connect(m_address, problem);
    if (!connection) {
        std::fprintf(stderr, "postgresql: cannot connect: %s\n", problem.c_str());
        return ErrorOr<PostgresConnection*>(Error::SharingViolation);
    }
    return connection.release();
}

ErrorOr<std::unique_ptr<SqlTransaction>> PostgresDatabase::Start(TransactionKind kind, std::optional<std::int64_t> feedClock)
{
    // A pooled connection the server has closed (it restarted) fails at its
    // first statement; then one new connection is tried.
    for (bool fresh : { false, true }) {
        auto connection = Acquire(fresh);
        if (connection.IsError())
            return connection.GetError();
        auto transaction = StartOn(**connection, kind, feedClock);
        if (!transaction.IsError())
            return transaction;
        bool lost = PQstatus((*connection)->handle) != CONNECTION_OK;
        if ((*connection)->Reusable())
            m_pool.Give(*connection);
        else
            delete *connection;
        if (!lost || fresh)
            return transaction.GetError();
    }
    return Error::GeneralFailure;
}

ErrorOr<std::unique_ptr<SqlTransaction>> PostgresDatabase::StartOn(PostgresConnection& connection, TransactionKind kind,
    std::optional<std::int64_t> feedClock)
{
    std::optional<std::int64_t> feedStamp;
    if (feedClock) {
        // Before the transaction, which must take its snapshot after the
        // lock table was read (ChangeStamps.h).
        std::string clock = std::to_string(*feedClock);
        const char* values[] = { clock.c_str() };
        Result result(PQexecParams(connection.handle, "SELECT vbx_feed_stamp($1::bigint)", 1, nullptr, values, nullptr, nullptr, 0));
        if (!Succeeded(result.get()))
            return Report(connection, result.get(), "the feed's stamp");
        feedStamp = std::strtoll(PQgetvalue(result.get(), 0, 0), nullptr, 10);
    }
    auto begun = RunPlain(connection, BeginStatement(kind));
    if (begun.IsError())
        return begun.GetError();
    return std::unique_ptr<SqlTransaction>(new PostgresTransaction(m_pool, connection, feedStamp));
}
