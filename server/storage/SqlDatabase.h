#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The one seam between the service and its database engine. Everything the
// service stores goes through these few calls with plain SQL that both
// engines understand ("?" placeholders, RETURNING, ON CONFLICT, SAVEPOINT),
// so that another engine needs only this interface and its schema text.
//
// Every request is one transaction. Write transactions are serialized by the
// engine before they read anything, which is what makes the change stamps
// of the changes feed safe (see ServiceMeta.h): nothing commits between the
// moment a transaction takes its stamp and the moment it commits.

using SqlValue = std::variant<std::monostate, std::int64_t, std::string>;

struct SqlRow {
    std::vector<SqlValue> values;

    bool IsNull(size_t column) const { return std::holds_alternative<std::monostate>(values.at(column)); }
    // A NULL or a text column reads as 0 here and a number as its decimal
    // text in Text(), so callers never have to guess at a column's type.
    std::int64_t Int(size_t column) const;
    std::string Text(size_t column) const;
};

using SqlRows = std::vector<SqlRow>;

enum class TransactionKind {
    Read,  // sees one snapshot; writes are refused by the engine
    Write, // holds the database's write lock from its start
};

class SqlTransaction {
public:
    virtual ~SqlTransaction() = default; // rolls back unless committed

    virtual ErrorOr<SqlRows> Query(std::string_view sql, const std::vector<SqlValue>& parameters = {}) = 0;
    // A statement whose rows (if any) nobody needs.
    ErrorCode Execute(std::string_view sql, const std::vector<SqlValue>& parameters = {});
    // Rows changed by the last statement.
    virtual std::int64_t ChangedRows() const = 0;

    virtual ErrorCode Commit() = 0;
};

class SqlDatabase {
public:
    virtual ~SqlDatabase() = default;
    virtual ErrorOr<std::unique_ptr<SqlTransaction>> Begin(TransactionKind kind) = 0;
    virtual std::string_view EngineName() const = 0;
};

// The first row's first column of a query that answers one number (0 when
// there is no row).
ErrorOr<std::int64_t> QueryNumber(SqlTransaction& transaction, std::string_view sql, const std::vector<SqlValue>& parameters = {});
