#pragma once

#include "server/storage/SqlDatabase.h"

#include <cstdint>
#include <optional>
#include <vector>

// Turns query results into records with a reader for one row.

template<typename Record, typename Reader>
ErrorOr<std::optional<Record>> FirstRecord(ErrorOr<SqlRows> rows, Reader read)
{
    if (rows.IsError())
        return rows.GetError();
    if (rows->empty())
        return std::optional<Record> {};
    return std::optional<Record>(read(rows->front()));
}

template<typename Record, typename Reader>
ErrorOr<std::vector<Record>> AllRecords(ErrorOr<SqlRows> rows, Reader read)
{
    if (rows.IsError())
        return rows.GetError();
    std::vector<Record> records;
    records.reserve(rows->size());
    for (const SqlRow& row : *rows)
        records.push_back(read(row));
    return records;
}

inline std::uint32_t Id(const SqlRow& row, size_t column) { return static_cast<std::uint32_t>(row.Int(column)); }
inline SqlValue Number(std::int64_t value) { return SqlValue(value); }
