#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The one seam between the service and its database engine. Everything the
// service stores goes through these few calls with plain SQL that both
// engines understand ("?" and "?N" placeholders, RETURNING, ON CONFLICT,
// SAVEPOINT), so that an engine needs only this interface, its schema text
// and its change stamps.
//
// Every request is one transaction, serializable: several requests (in one
// process or in several) never see each other half done, and a check made
// in a transaction still holds when it commits. An engine that finds two
// transactions in conflict fails one of them with TransactionConflict, and
// the request is run again from its start.
//
// Change stamps order the changes feed across every process that shares the
// database; ChangeStamps.h says what they promise and how each engine keeps
// the promise.

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

// Another transaction got in the way; running the whole request again will
// do (the platform's lock-violation code).
constexpr ErrorCode TransactionConflict = 33;

enum class TransactionKind {
    Read,  // sees one snapshot; writes are refused by the engine
    Write, // may write; serializable with every other transaction
};

class SqlTransaction {
public:
    virtual ~SqlTransaction() = default; // rolls back unless committed

    virtual ErrorOr<SqlRows> Query(std::string_view sql, const std::vector<SqlValue>& parameters = {}) = 0;
    // A statement whose rows (if any) nobody needs.
    ErrorCode Execute(std::string_view sql, const std::vector<SqlValue>& parameters = {});
    // Rows changed by the last statement.
    virtual std::int64_t ChangedRows() const = 0;

    // The change stamp of every record this (write) transaction changes,
    // given the service's clock; the same for all of them.
    virtual ErrorOr<std::int64_t> ChangeStamp(std::int64_t now) = 0;
    // The stamp a device gets with the changes read in this transaction
    // (only one begun with BeginFeed): every change this transaction does
    // not see has a change stamp at or above it.
    virtual ErrorOr<std::int64_t> FeedStamp() = 0;

    virtual ErrorCode Commit() = 0;
};

class SqlDatabase {
public:
    virtual ~SqlDatabase() = default;
    ErrorOr<std::unique_ptr<SqlTransaction>> Begin(TransactionKind kind) { return Start(kind, std::nullopt); }
    // A write transaction that also reads the changes feed, begun at the
    // service's clock reading `now`: see FeedStamp.
    ErrorOr<std::unique_ptr<SqlTransaction>> BeginFeed(std::int64_t now) { return Start(TransactionKind::Write, now); }
    virtual std::string_view EngineName() const = 0;

protected:
    // feedClock: given for BeginFeed.
    virtual ErrorOr<std::unique_ptr<SqlTransaction>> Start(TransactionKind kind, std::optional<std::int64_t> feedClock) = 0;
};

// The first row's first column of a query that answers one number (0 when
// there is no row).
ErrorOr<std::int64_t> QueryNumber(SqlTransaction& transaction, std::string_view sql, const std::vector<SqlValue>& parameters = {});
