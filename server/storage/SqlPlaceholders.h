#pragma once

#include <string>
#include <string_view>

// The service's SQL marks its parameters as SQLite does: "?" for the next
// one, "?N" for the N-th. PostgreSQL numbers them "$N". Text in quotes and
// comments is left as it is.
std::string NumberedPlaceholders(std::string_view sql);
