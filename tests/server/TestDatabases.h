#pragma once

#include <memory>
#include <string>
#include <vector>

// Which database engine the server's tests run on. The same test program
// runs twice (tests/server/CMakeLists.txt): on SQLite, in each test's data
// folder, and with VBX_TEST_ENGINE=postgresql on the PostgreSQL server that
// VBX_TEST_POSTGRES_URL names (scripts/test.sh starts one), each test in a
// schema of its own. Without that address the PostgreSQL run skips every
// test, saying why.

// The exit status of a PostgreSQL run without a server.
constexpr int TestsSkippedStatus = 77;

enum class TestEngine {
    Sqlite,
    Postgres,
};

TestEngine CurrentTestEngine();

// A schema of its own on the test PostgreSQL server, dropped with
// everything in it at the end.
class TestPostgresSchema {
public:
    TestPostgresSchema(); // throws when the server can't be reached
    ~TestPostgresSchema();
    TestPostgresSchema(const TestPostgresSchema&) = delete;
    TestPostgresSchema& operator=(const TestPostgresSchema&) = delete;

    // The server's address with this schema as the search path.
    const std::string& Address() const { return m_address; }
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
    std::string m_address;
};

// The database of a test: nothing for SQLite (the data folder holds it),
// a schema of its own for PostgreSQL.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    // The --database address ("" for SQLite).
    std::string Address() const;
    // The server program's arguments for it ({} for SQLite).
    std::vector<std::string> ServerArguments() const;

private:
    std::unique_ptr<TestPostgresSchema> m_schema;
};

// Runs SQL on the test PostgreSQL server outside any service (throws on
// failure); answers the first value of the first row, if any.
std::string RunTestPostgresSql(const std::string& address, const std::string& sql);
