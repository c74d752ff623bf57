#pragma once

#include "server/ServiceInstance.h"

#include <cstdio>
#include <string>
#include <vector>

// Runs one administration command ("create-user", "list-blogs", ...; the
// words after "admin") on the service's data. Results go to out, problems
// to err; the answer is the process exit status (0 done, 1 refused or
// failed, 2 a usage mistake).
int RunAdminCommand(ServiceInstance& instance, const std::vector<std::string>& words, std::FILE* out, std::FILE* err);
