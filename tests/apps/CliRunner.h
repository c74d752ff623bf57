#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
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

// What a test does to a running command: `started` learns its process id
// (to kill it), and SIGINT (Ctrl-C) is sent once as soon as `interruptWhen`
// answers true (asked every few milliseconds).
struct CliControl {
    std::function<void(pid_t)> started;
    std::function<bool()> interruptWhen;
};
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input, const CliControl& control);
