#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "platform/CodePage.h"

// vellumbrix-cli login EMAIL PASSWORD: what the login dialog does when it
// is not run at start-up. The e-mail and password go into the user record,
// which is saved; then the account is refreshed from the service ("GU",
// the device's blogs brought in line with the account's, "EU" when the
// service's list needs repair), so that the user's blogs appear on the
// device; "sync" then fills them. Prints the account as "account" does.
int RunLoginCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("login", arguments.Error());
    if (positional.size() != 2 || positional[0].empty() || positional[1].empty())
        return UsageError("login", "give the account's e-mail address and password");
    auto user = LoadDeviceUser("login");
    user->SetEmail(positional[0]);
    user->SetPassword(positional[1]);
    // A user file that cannot be saved has said so (message 6002).
    if (user->Save())
        return ExitFailure;
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    int status = network.StatusOf(network.Commands().GetUserInfo(*user, network.Progress()));
    if (status == ExitSuccess)
        PrintJson(AccountJson(*user));
    return status;
}

// vellumbrix-cli account [--refresh]: the saved user record (user id,
// account type, quota, the blogs of the account, the remote blogs), as
// JSON; with --refresh, refreshed from the service first, as login does.
int RunAccountCommand(CliArguments& arguments)
{
    bool refresh = arguments.TakeFlag("--refresh");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("account", arguments.Error());
    if (!positional.empty())
        return UsageError("account", "takes no arguments besides --refresh");
    auto user = LoadDeviceUser("account");
    if (refresh) {
        if (user->GetEmail().empty() || user->GetPassword().empty())
            return Failure("account: there is no account on this device to refresh (see vellumbrix-cli login)");
        NetworkCommand network;
        if (!network.Connect())
            return network.Status();
        if (int status = network.StatusOf(network.Commands().GetUserInfo(*user, network.Progress())))
            return status;
    }
    PrintJson(AccountJson(*user));
    return ExitSuccess;
}
