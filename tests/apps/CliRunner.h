#pragma once

#include <string>
#include <vector>

struct CliResult {
    int status { -1 }; // 128 + the signal when it was killed
    std::string out;
    std::string err;
    long peakKilobytes { 0 }; // the most memory it held at once (maximum resident set)
};

// Runs the built vellumbrix-cli with the arguments (no shell involved),
// optionally feeding `input` on its standard input. A run that takes more
// than a minute is killed (status 137), so that a command that hangs fails
// its test instead of stopping the whole run.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = {});
