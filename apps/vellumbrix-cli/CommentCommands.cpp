#include "ArchiveJson.h"
#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/Messages.h"
#include "platform/Clock.h"

#include <iostream>

static constexpr StringId kSelectItemMessage = 199;
static constexpr StringId kDeleteCommentQuestion = 224;
static constexpr StringId kNoDeletePermissionMessage = 225;
static constexpr StringId kSyncBeforeCommentingMessage = 227;

namespace {

// The blog and the entry a comment command works on, as the comments dialog
// is opened on an entry: only an entry on the web has comments.
struct CommentedEntry {
    DeviceBlogs blogs;
    BlogEntry* entry { nullptr };
};

std::optional<CommentedEntry> OpenCommentedEntry(std::string_view command, const std::string& blog, const std::string& indexText,
    BlogUse use, int& status)
{
    auto index = ParseNumber(indexText, 4294967295u);
    if (!index) {
        status = UsageError(command, "the index is a number (see vellumbrix-cli entries)");
        return std::nullopt;
    }
    auto blogs = OpenDeviceBlog(command, blog, use, status);
    if (!blogs)
        return std::nullopt;
    CWinBlogStorage& store = *blogs->store;
    if (*index >= store.GetEntries().GetSize()) {
        status = Failure(std::string(command) + ": the blog has no entry " + indexText + " (see vellumbrix-cli entries)");
        return std::nullopt;
    }
    BlogEntry* entry = store.GetEntries().GetAt(*index);
    if (!entry->IsOnTheWeb()) {
        ShowStringMessage(kSyncBeforeCommentingMessage, MessageIcon::Warning);
        status = ExitFailure;
        return std::nullopt;
    }
    store.SetCurrentEntry(entry->GetServerId());
    return CommentedEntry { std::move(*blogs), entry };
}

nlohmann::ordered_json IndexedCommentJson(std::size_t index, const BlogComment& comment)
{
    nlohmann::ordered_json json { { "index", index } };
    // Kept in a variable: items() only refers to the object it walks.
    const nlohmann::ordered_json fields = CommentJson(comment);
    for (auto& item : fields.items())
        json[item.key()] = item.value();
    return json;
}

}

// vellumbrix-cli comments BLOG INDEX: the comments of an entry, oldest
// first, each with its position N (from 0), which delete-comment takes.
int RunCommentsCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("comments", arguments.Error());
    if (positional.size() != 2)
        return UsageError("comments", "give the blog and the entry's index");
    int status = ExitSuccess;
    auto opened = OpenCommentedEntry("comments", positional[0], positional[1], BlogUse::Read, status);
    if (!opened)
        return status;
    CWinBlogStorage& store = *opened->blogs.store;
    auto list = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < store.GetCurrentCommentCount(); ++i)
        list.push_back(IndexedCommentJson(i, *store.GetCurrentCommentAt(i)));
    PrintJson(list);
    return ExitSuccess;
}

// vellumbrix-cli add-comment BLOG INDEX TEXT: the comments dialog's Add. The
// comment joins the store, pending, and goes to the service at once; one
// that cannot go stays pending and goes with the next sync.
int RunAddCommentCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("add-comment", arguments.Error());
    if (positional.size() != 3)
        return UsageError("add-comment", "give the blog, the entry's index and the text");
    int status = ExitSuccess;
    auto opened = OpenCommentedEntry("add-comment", positional[0], positional[1], BlogUse::Change, status);
    if (!opened)
        return status;
    CWinBlogStorage& store = *opened->blogs.store;
    if (store.IsCommentReadOnly(nullptr))
        return Failure("add-comment: you may not comment on the blog '" + positional[0] + "'");
    BlogComment& comment = store.InsertComment(store.NewComment());
    comment.SetText(positional[2]);
    comment.SetEntryId(opened->entry->GetServerId());
    comment.SetDate(GetCurrentSeconds());
    comment.SetPending(true);
    if (store.Save())
        return ExitFailure;

    NetworkCommand network;
    if (!network.Connect()) {
        std::cerr << "add-comment: the comment is kept, and goes with the next sync\n";
        return network.Status();
    }
    status = network.StatusOf(network.Commands().StoreComment(store, *opened->blogs.user, comment, network.Progress()));
    if (status == ExitSuccess)
        PrintJson(CommentJson(comment));
    else
        std::cerr << "add-comment: the comment is kept, and goes with the next sync\n";
    return status;
}

// vellumbrix-cli delete-comment BLOG INDEX N: the comments dialog's Delete.
// The comment leaves the store at once; its deletion reaches the web with
// the next sync. Question 224 is asked first.
int RunDeleteCommentCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("delete-comment", arguments.Error());
    if (positional.size() != 3)
        return UsageError("delete-comment", "give the blog, the entry's index and the comment's position (see vellumbrix-cli comments)");
    auto number = ParseNumber(positional[2], 4294967295u);
    if (!number)
        return UsageError("delete-comment", "the comment's position is a number (see vellumbrix-cli comments)");
    int status = ExitSuccess;
    auto opened = OpenCommentedEntry("delete-comment", positional[0], positional[1], BlogUse::Change, status);
    if (!opened)
        return status;
    CWinBlogStorage& store = *opened->blogs.store;
    if (*number >= store.GetCurrentCommentCount()) {
        ShowStringMessage(kSelectItemMessage, MessageIcon::Warning);
        return ExitFailure;
    }
    BlogComment& comment = *store.GetCurrentCommentAt(*number);
    if (store.IsCommentReadOnly(&comment)) {
        ShowStringMessage(kNoDeletePermissionMessage, MessageIcon::Warning);
        return ExitFailure;
    }
    if (!AskStringQuestion(kDeleteCommentQuestion, DefaultButton::No))
        return Failure("delete-comment: nothing was deleted");
    nlohmann::ordered_json json { { "deleted", IndexedCommentJson(*number, comment) } };
    store.DeleteComment(comment, false);
    if (store.Save())
        return ExitFailure;
    PrintJson(json);
    return ExitSuccess;
}
