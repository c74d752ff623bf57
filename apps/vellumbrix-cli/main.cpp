// vellumbrix-cli: the command-line front end. Each command prints JSON on
// stdout, or a message on stderr with a non-zero exit status.

#include "CliCommand.h"
#include "TerminalUserInteraction.h"

#include "app/StartUp.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"

#include <iostream>
#include <string>
#include <vector>

static void PrintHelp(std::ostream& out)
{
    out << "usage: vellumbrix-cli [--home FOLDER] [--yes | --no] [--view-password P] COMMAND [ARGUMENTS]\n\n"
           "--home FOLDER         work on the sandboxed device in FOLDER (as VELLUMBRIX_HOME)\n"
           "--yes, --no           answer every question the command asks\n"
           "--view-password P     the view password of a password-protected blog (asked on\n"
           "                      the terminal when wanted and not given)\n\n"
           "Network commands print their progress on stderr; Ctrl-C cancels the request\n"
           "running. Exit status: 0 done, 1 failed (said why on stderr), 2 wrong command\n"
           "line, 3 cancelled.\n\n"
           "commands:\n";
    for (auto& command : AllCommands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
}

// The sandbox named by --home (or VELLUMBRIX_HOME) must be a folder. One
// that does not exist yet is made for a command that writes, which says so;
// a command that only reads refuses to start, rather than leave an empty
// device behind (the user record makes its data folder as soon as it is
// constructed).
static int PrepareDevice(const CliCommand& command, bool writes)
{
    const auto& home = DeviceFolders::Current().SandboxHome();
    if (home && !IsDirectory(*home)) {
        if (PathExists(*home))
            return UsageError(command, "the device folder " + *home + " is not a folder");
        if (!writes)
            return Failure(std::string(command.name) + ": there is no device folder " + *home);
        if (ErrorCode error = CreateFolderWithParents(*home))
            return Failure(std::string(command.name) + ": the device folder " + *home + " cannot be made: " + SystemErrorText(error));
        std::cerr << "vellumbrix-cli: made the device folder " << *home << "\n";
    }
    // A key chain that cannot be made shows up as the failure of whatever
    // the command then writes, with its reason.
    (void)CreatePreferenceKeyChain();
    return ExitSuccess;
}

static const CliCommand* FindCommand(std::string_view name)
{
    for (auto& command : AllCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

int main(int argc, char** argv)
{
    std::vector<std::string> raw(argv + 1, argv + argc);
    // The command is the first word that is not one of the global options.
    size_t commandIndex = 0;
    while (commandIndex < raw.size()) {
        const std::string& word = raw[commandIndex];
        if (word == "--home" || word == "--view-password")
            commandIndex += 2;
        else if (word.rfind("--home=", 0) == 0 || word.rfind("--view-password=", 0) == 0 || word == "--yes" || word == "--no")
            ++commandIndex;
        else
            break;
    }
    if (commandIndex >= raw.size()) {
        PrintHelp(std::cerr);
        return ExitUsage;
    }
    std::string name = raw[commandIndex];
    if (name == "help" || name == "--help") {
        PrintHelp(std::cout);
        return ExitSuccess;
    }
    const CliCommand* command = FindCommand(name);
    if (!command)
        return UsageError("", "unknown command '" + name + "' (see vellumbrix-cli help)");

    raw.erase(raw.begin() + static_cast<long>(commandIndex));
    CliArguments arguments(std::move(raw));
    auto home = arguments.TakeOption("--home");
    auto viewPassword = arguments.TakeOption("--view-password");
    bool yes = arguments.TakeFlag("--yes");
    bool no = arguments.TakeFlag("--no");
    if (!arguments.Error().empty())
        return UsageError(*command, arguments.Error());
    if (yes && no)
        return UsageError(*command, "--yes and --no exclude each other");
    if (home) {
        // An empty name would be the current folder.
        if (home->empty())
            return UsageError(*command, "--home needs a folder");
        if (PathExists(*home) && !IsDirectory(*home))
            return UsageError(*command, "--home " + *home + " is not a folder");
        DeviceFolders::Use(DeviceFolders::ForSandbox(*home));
    }
    bool hasArguments = arguments.HasAny();

    std::optional<bool> presetAnswer;
    if (yes || no)
        presetAnswer = yes;
    TerminalUserInteraction interaction(presetAnswer);
    interaction.SetViewPassword(viewPassword);
    UserInteraction::Use(&interaction);
    BlogPrompts::Use(&interaction);

    if (command->device != DeviceUse::None) {
        bool writes = command->device == DeviceUse::Writes || (command->device == DeviceUse::WritesWithArguments && hasArguments);
        if (int status = PrepareDevice(*command, writes)) {
            UserInteraction::Use(nullptr);
            BlogPrompts::Use(nullptr);
            return status;
        }
    }
    int status = command->run(arguments);
    UserInteraction::Use(nullptr);
    BlogPrompts::Use(nullptr);
    return status;
}
