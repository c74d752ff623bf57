#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/Messages.h"
#include "model/CWinBlogChannels.h"
#include "platform/CodePage.h"
#include "workflows/SendSubject.h"

static constexpr StringId kNoRemoteBlogsMessage = 214;
static constexpr StringId kSyncBeforeSendingMessage = 215;

namespace {

// What a send command is about: the blog and, with INDEX, one entry.
struct SendTarget {
    DeviceBlogs blogs;
    const BlogEntry* entry { nullptr };
};

std::optional<SendTarget> OpenSendTarget(std::string_view command, const std::vector<std::string>& positional, int& status)
{
    std::optional<std::uint32_t> index;
    if (positional.size() == 2 && !(index = ParseNumber(positional[1], 4294967295u))) {
        status = UsageError(command, "the index is a number (see vellumbrix-cli entries)");
        return std::nullopt;
    }
    auto blogs = OpenDeviceBlog(command, positional[0], BlogUse::Read, status);
    if (!blogs)
        return std::nullopt;
    const CWinBlogStorage& store = *blogs->store;
    const BlogEntry* entry = nullptr;
    if (index) {
        if (*index >= store.GetEntries().GetSize()) {
            status = Failure(std::string(command) + ": the blog has no entry " + positional[1] + " (see vellumbrix-cli entries)");
            return std::nullopt;
        }
        entry = store.GetEntries().GetAt(*index);
    }
    if (!IsOnTheWebForSending(store, entry)) {
        ShowStringMessage(kSyncBeforeSendingMessage, MessageIcon::Warning);
        status = ExitFailure;
        return std::nullopt;
    }
    return SendTarget { std::move(*blogs), entry };
}

}

// vellumbrix-cli photo-email BLOG [INDEX] --to ADDRS [--message M]: the
// photo e-mail dialog's Send, for an entry or, without INDEX, the blog as
// its category filter shows it.
int RunPhotoEmailCommand(CliArguments& arguments)
{
    auto to = arguments.TakeOption("--to");
    auto message = arguments.TakeOption("--message");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("photo-email", arguments.Error());
    if (positional.empty() || positional.size() > 2)
        return UsageError("photo-email", "give the blog and, for one entry, its index");
    if (!to || to->empty())
        return UsageError("photo-email", "give the addresses to send to with --to");
    int status = ExitSuccess;
    auto target = OpenSendTarget("photo-email", positional, status);
    if (!target)
        return status;
    CWinBlogStorage& store = *target->blogs.store;
    SendSubject subject = SendSubjectOf(store, target->entry);
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    return network.StatusOf(network.Commands().SendPhotoEmail(store, *target->blogs.user, subject.categoryId, subject.entryId, *to,
        message.value_or(""), network.Progress()));
}

// vellumbrix-cli remote-post BLOG [INDEX] --remote NAME [--title T]
// [--caption C]: the remote post dialog's Post, to one of the account's
// remote blogs. The title and caption default to the entry's, or for a
// blog to its filter category's name (or the blog's name) and nothing.
int RunRemotePostCommand(CliArguments& arguments)
{
    auto remote = arguments.TakeOption("--remote");
    auto title = arguments.TakeOption("--title");
    auto caption = arguments.TakeOption("--caption");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("remote-post", arguments.Error());
    if (positional.empty() || positional.size() > 2)
        return UsageError("remote-post", "give the blog and, for one entry, its index");
    if (!remote || remote->empty())
        return UsageError("remote-post", "give the remote blog with --remote (see vellumbrix-cli account)");
    int status = ExitSuccess;
    auto target = OpenSendTarget("remote-post", positional, status);
    if (!target)
        return status;
    CWinBlogUser& user = *target->blogs.user;
    if (user.GetRemoteBlogNames().empty()) {
        ShowStringMessage(kNoRemoteBlogsMessage, MessageIcon::Warning);
        return ExitFailure;
    }
    CWinBlogStorage& store = *target->blogs.store;
    if (!title) {
        const BlogAlbum* category = store.FindCategoryById(store.GetCategoryFilter());
        title = target->entry ? target->entry->GetTitle() : category ? category->GetName()
                                                                     : store.GetBlogInfo().GetDisplayName();
    }
    if (!caption)
        caption = target->entry ? target->entry->GetCaption() : std::string();
    SendSubject subject = SendSubjectOf(store, target->entry);
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    return network.StatusOf(network.Commands().PostToRemoteBlog(store, user, subject.categoryId, subject.entryId, *remote, *title, *caption,
        network.Progress()));
}

// vellumbrix-cli channels: the service's recommended blogs, as the browse
// dialog lists them: each line and the Blog URL it subscribes to.
int RunChannelsCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("channels", arguments.Error());
    if (!positional.empty())
        return UsageError("channels", "takes no arguments");
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    CWinBlogChannels channels;
    if (int status = network.StatusOf(network.Commands().GetChannels(channels, network.Progress())))
        return status;
    auto list = nlohmann::ordered_json::array();
    for (auto& channel : channels)
        list.push_back({ { "line", Utf16ToUtf8(channel->GetDisplayLine()) }, { "url_name", Utf16ToUtf8(channel->GetUrlName()) } });
    PrintJson(list);
    return ExitSuccess;
}
