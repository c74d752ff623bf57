#include "CliCommand.h"

#include <iostream>

int RunErrorCommand(CliArguments&);
int RunInspectCommand(CliArguments&);
int RunPrefsCommand(CliArguments&);
int RunResaveCommand(CliArguments&);

static const CliCommand kCommands[] = {
    { "error", "CODE", "the message text that the error table gives for a code", false, RunErrorCommand },
    { "inspect", "FILE", "a blog store file (.vxl) or user file (.vxu) as JSON", false, RunInspectCommand },
    { "prefs", "[NAME VALUE]", "list every preference, or write one", true, RunPrefsCommand },
    { "resave", "FILE", "load a blog store or user file and save it back", false, RunResaveCommand },
};

std::span<const CliCommand> AllCommands()
{
    return kCommands;
}

int UsageError(std::string_view commandName, std::string_view problem)
{
    for (auto& command : kCommands) {
        if (command.name == commandName)
            return UsageError(command, problem);
    }
    std::cerr << "vellumbrix-cli: " << problem << "\n";
    return ExitUsage;
}

int UsageError(const CliCommand& command, std::string_view problem)
{
    std::cerr << "vellumbrix-cli " << command.name << ": " << problem << "\n"
              << "usage: vellumbrix-cli " << command.name << " " << command.usage << "\n";
    return ExitUsage;
}

int Failure(std::string_view message)
{
    std::cerr << "vellumbrix-cli: " << message << "\n";
    return ExitFailure;
}
