#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/Messages.h"
#include "platform/CodePage.h"
#include "workflows/BlogUrlRule.h"

#include <iostream>

static constexpr StringId kBlogUrlTakenMessage = 165;

// The account of the device, refreshed from the service once the service
// has made a new account or blog for it, so that its blogs appear; then
// printed as "account" prints it.
static int RefreshAccount(CWinBlogUser& user, NetworkCommand& network)
{
    int status = network.StatusOf(network.Commands().GetUserInfo(user, network.Progress()));
    if (status == ExitSuccess)
        PrintJson(AccountJson(user));
    return status;
}

// vellumbrix-cli create-account EMAIL PASSWORD FIRST LAST: the new-account
// page of the create-account dialog. The account is made on the service;
// the device then logs in with it, as "login" does. An address that has an
// account already is a failure that points to "login".
int RunCreateAccountCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("create-account", arguments.Error());
    if (positional.size() != 4 || positional[0].empty() || positional[1].empty())
        return UsageError("create-account", "give the e-mail address, the password, the first and the last name");
    auto user = LoadDeviceUser("create-account");
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    ErrorCode code = network.Commands().CreateAccount(positional[0], positional[1], positional[2], positional[3], network.Progress());
    if (code == Error::EmailAlreadyUsed)
        return Failure("create-account: " + positional[0] + " already has an account (see vellumbrix-cli login)");
    if (int status = network.StatusOf(code))
        return status;
    user->SetEmail(positional[0]);
    user->SetPassword(positional[1]);
    if (user->Save())
        return ExitFailure;
    return RefreshAccount(*user, network);
}

// Message 165 with the suggestions two to a line, and the suggestions as
// JSON on stdout for scripts.
static int ReportTakenBlogUrl(const std::string& urlName, const BlogUrlAlternates& alternates)
{
    auto list = nlohmann::ordered_json::array();
    for (auto& alternate : alternates) {
        if (!alternate.empty())
            list.push_back(alternate);
    }
    ShowStringMessage(kBlogUrlTakenMessage, MessageIcon::Warning,
        { urlName, alternates[0] + "  " + alternates[1], alternates[2] + "  " + alternates[3] });
    PrintJson({ { "taken", urlName }, { "alternates", list } });
    return ExitFailure;
}

// vellumbrix-cli create-blog URL [--title T] [--subtitle S] [--hidden]: the
// new-blog page of the create-account dialog, for the account of the
// device. A Blog URL that is taken prints the service's suggestions and
// fails; a made blog joins the device and the account is refreshed.
int RunCreateBlogCommand(CliArguments& arguments)
{
    auto title = arguments.TakeOption("--title");
    auto subtitle = arguments.TakeOption("--subtitle");
    bool hidden = arguments.TakeFlag("--hidden");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("create-blog", arguments.Error());
    if (positional.size() != 1)
        return UsageError("create-blog", "give the Blog URL of the new blog");
    if (!IsValidBlogUrl(Utf8ToUtf16(positional[0])))
        return UsageError("create-blog", LoadString(kInvalidBlogUrlMessage));
    auto user = LoadDeviceUser("create-blog");
    if (user->GetEmail().empty() || user->GetPassword().empty())
        return Failure("create-blog: there is no account on this device (see vellumbrix-cli login or create-account)");
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    BlogUrlAlternates alternates;
    ErrorCode code = network.Commands().CreateBlog(*user, positional[0], title.value_or(positional[0]), subtitle.value_or(""), !hidden,
        alternates, network.Progress());
    if (code == Error::BlogUrlAlreadyUsed)
        return ReportTakenBlogUrl(positional[0], alternates);
    if (int status = network.StatusOf(code))
        return status;
    // The made blog is the user's own: it joins the device without the
    // question a blog found on the account asks.
    if (!user->FindBlog(positional[0])) {
        auto store = std::make_unique<CWinBlogStorage>(user->GetDataFolder(), positional[0]);
        store->SetUserId(user->GetUserId());
        if (int added = AddDeviceBlog(*user, std::move(store)))
            return added;
    }
    return RefreshAccount(*user, network);
}
