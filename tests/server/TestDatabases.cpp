#include "TestDatabases.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <memory>
#include <openssl/rand.h>
#include <stdexcept>

namespace {

const char* PostgresAddress()
{
    const char* address = std::getenv("VBX_TEST_POSTGRES_URL");
    return address && *address ? address : nullptr;
}

// Skips the whole PostgreSQL run, with the reason, when there is no
// server: the program ends with the status CTest takes as "skipped"
// (SKIP_RETURN_CODE in CMakeLists.txt).
class PostgresAvailability : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (CurrentTestEngine() != TestEngine::Postgres || PostgresAddress())
            return;
        std::printf("[  SKIPPED ] VBX_TEST_POSTGRES_URL is not set, so the PostgreSQL tests are skipped"
                    " (scripts/test.sh starts a PostgreSQL server for them)\n");
        std::fflush(stdout);
        std::exit(TestsSkippedStatus);
    }
};

::testing::Environment* const availability = ::testing::AddGlobalTestEnvironment(new PostgresAvailability);

std::string RandomName()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[12];
    RAND_bytes(random, sizeof random);
    std::string name = "vbx_test_";
    for (unsigned char r : random)
        name += alphabet[r % 36];
    return name;
}

}

TestEngine CurrentTestEngine()
{
    const char* engine = std::getenv("VBX_TEST_ENGINE");
    return engine && std::string(engine) == "postgresql" ? TestEngine::Postgres : TestEngine::Sqlite;
}

std::string RunTestPostgresSql(const std::string& address, const std::string& sql)
{
    std::unique_ptr<PGconn, decltype(&PQfinish)> connection(PQconnectdb(address.c_str()), PQfinish);
    if (PQstatus(connection.get()) != CONNECTION_OK)
        throw std::runtime_error("cannot connect to the test PostgreSQL server: " + std::string(PQerrorMessage(connection.get())));
    PQsetNoticeProcessor(
        connection.get(), [](void*, const char*) {}, nullptr); // "drop cascades to …"
    std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexec(connection.get(), sql.c_str()), PQclear);
    ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw std::runtime_error(sql + ": " + PQresultErrorMessage(result.get()));
    if (PQntuples(result.get()) == 0 || PQnfields(result.get()) == 0)
        return {};
    return PQgetvalue(result.get(), 0, 0);
}

TestPostgresSchema::TestPostgresSchema()
    : m_name(RandomName())
{
    const char* server = PostgresAddress();
    if (!server)
        throw std::runtime_error("VBX_TEST_POSTGRES_URL is not set");
    RunTestPostgresSql(server, "CREATE SCHEMA " + m_name);
    std::string address = server;
    m_address = address + (address.find('?') == std::string::npos ? "?" : "&") + "options=-csearch_path%3D" + m_name;
}

TestPostgresSchema::~TestPostgresSchema()
{
    try {
        RunTestPostgresSql(PostgresAddress(), "DROP SCHEMA " + m_name + " CASCADE");
    } catch (const std::exception& failure) {
        ADD_FAILURE() << failure.what();
    }
}

TestDatabase::TestDatabase()
{
    if (CurrentTestEngine() == TestEngine::Postgres)
        m_schema = std::make_unique<TestPostgresSchema>();
}

TestDatabase::~TestDatabase() = default;

std::string TestDatabase::Address() const
{
    return m_schema ? m_schema->Address() : std::string();
}

std::vector<std::string> TestDatabase::ServerArguments() const
{
    if (!m_schema)
        return {};
    return { "--database", m_schema->Address() };
}
