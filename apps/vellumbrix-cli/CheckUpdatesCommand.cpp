#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"

static constexpr StringId kLatestVersionMessage = 173;

// vellumbrix-cli check-updates: Check For Updates. A newer version of the
// service's message file is announced; otherwise string 173 says this is
// the latest. A file that cannot be read is a failure, with its reason.
int RunCheckUpdatesCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("check-updates", arguments.Error());
    if (!positional.empty())
        return UsageError("check-updates", "takes no arguments");
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    bool newVersion = false;
    if (!network.Commands().CheckVersion(true, newVersion, network.Progress())) {
        if (network.Cancelled())
            return ExitCancelled;
        ErrorCode why = network.Commands().LastRequestFailure();
        return Failure("check-updates: the service's message file could not be read" + (why ? ": " + ErrorText(why) : std::string()));
    }
    if (!newVersion)
        ShowStringMessage(kLatestVersionMessage, MessageIcon::Information);
    PrintJson({ { "new_version", newVersion } });
    return ExitSuccess;
}
