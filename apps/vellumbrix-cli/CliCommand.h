#pragma once

#include "CliArguments.h"

#include <iosfwd>
#include <span>
#include <string_view>

// Exit statuses of the command-line program.
enum ExitStatus {
    ExitSuccess = 0,
    ExitFailure = 1,   // the command ran and failed (message on stderr)
    ExitUsage = 2,     // the command line was wrong
    ExitCancelled = 3, // the user cancelled (Ctrl-C) a network command
};

// How a command uses the device (its folders and preferences). Commands
// that use it get the program's start-up first (the registry key chain is
// made); a sandbox folder that is missing is made only for commands that
// write, while commands that only read refuse to start without it.
enum class DeviceUse {
    None,
    Reads,
    Writes,
    WritesWithArguments, // reads when given no arguments, writes otherwise
};

struct CliCommand {
    std::string_view name;
    std::string_view usage; // the arguments, as shown by "help"
    std::string_view summary;
    DeviceUse device;
    int (*run)(CliArguments& arguments);
};

std::span<const CliCommand> AllCommands();

// Reports a wrong command line for `command` on stderr; returns ExitUsage.
int UsageError(const CliCommand& command, std::string_view problem);
int UsageError(std::string_view commandName, std::string_view problem);
// Reports a failure on stderr; returns ExitFailure.
int Failure(std::string_view message);
