#include "server/storage/SqlDatabase.h"

#include <charconv>

std::int64_t SqlRow::Int(size_t column) const
{
    if (auto* number = std::get_if<std::int64_t>(&values.at(column)))
        return *number;
    return 0;
}

std::string SqlRow::Text(size_t column) const
{
    const SqlValue& value = values.at(column);
    if (auto* text = std::get_if<std::string>(&value))
        return *text;
    if (auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    return {};
}

ErrorCode SqlTransaction::Execute(std::string_view sql, const std::vector<SqlValue>& parameters)
{
    auto rows = Query(sql, parameters);
    return rows.GetError();
}

ErrorOr<std::int64_t> QueryNumber(SqlTransaction& transaction, std::string_view sql, const std::vector<SqlValue>& parameters)
{
    auto rows = transaction.Query(sql, parameters);
    if (rows.IsError())
        return ErrorOr<std::int64_t>::FromError(rows.GetError());
    if (rows->empty() || rows->front().values.empty())
        return std::int64_t { 0 };
    return rows->front().Int(0);
}
