#pragma once

#include <string>
#include <vector>

struct CliResult {
    int status { -1 };
    std::string out;
    std::string err;
};

// Runs the built vellumbrix-cli with the arguments (no shell involved),
// optionally feeding `input` on its standard input.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = {});
