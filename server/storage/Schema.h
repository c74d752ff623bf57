#pragma once

#include <vector>

// The statements that make the service's tables; each may run again on an
// existing database without changing it.
const std::vector<const char*>& SchemaStatements();
