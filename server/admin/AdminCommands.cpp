#include "server/admin/AdminCommands.h"

#include "server/actions/Names.h"
#include "server/soap/ServiceRequest.h"
#include "server/soap/WireText.h"
#include "server/storage/Blogs.h"
#include "server/storage/Entries.h"
#include "server/storage/Outbox.h"
#include "server/storage/ServiceMeta.h"
#include "server/storage/Users.h"

#include "platform/File.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

// One command's run: its words, its transaction and where it reports.
struct AdminRun {
    ServiceInstance& instance;
    const std::vector<std::string>& arguments; // after the command's name
    std::FILE* out;
    std::FILE* err;
    SqlTransaction* db { nullptr };

    int Usage(const char* synopsis) const
    {
        std::fprintf(err, "usage: vellumbrix-server admin %s\n", synopsis);
        return 2;
    }
    int Refuse(const std::string& message) const
    {
        std::fprintf(err, "vellumbrix-server: %s\n", message.c_str());
        return 1;
    }
    int Failed(ErrorCode code) const
    {
        std::fprintf(err, "vellumbrix-server: the database failed (code %u)\n", static_cast<unsigned>(code));
        return 1;
    }
};

std::optional<bool> OnOff(const std::string& word)
{
    if (word == "on")
        return true;
    if (word == "off")
        return false;
    return std::nullopt;
}

// Looks up the blog a command names, reporting when there is none.
std::optional<BlogRecord> NamedBlog(AdminRun& run, const std::string& name, int& status)
{
    auto blog = FindBlogByName(*run.db, name);
    if (blog.IsError()) {
        status = run.Failed(blog.GetError());
        return std::nullopt;
    }
    if (!*blog)
        status = run.Refuse("there is no blog named " + name);
    return *blog;
}

std::optional<UserRecord> NamedUser(AdminRun& run, const std::string& email, int& status)
{
    auto user = FindUserByEmail(*run.db, email);
    if (user.IsError()) {
        status = run.Failed(user.GetError());
        return std::nullopt;
    }
    if (!*user)
        status = run.Refuse("there is no account " + email);
    return *user;
}

int CreateUserCommand(AdminRun& run)
{
    const char* synopsis = "create-user EMAIL PASSWORD [--pro] [--quota N]";
    if (run.arguments.size() < 2)
        return run.Usage(synopsis);
    NewUser user;
    user.email = run.arguments[0];
    user.password = run.arguments[1];
    user.quota = run.instance.settings.defaultQuota;
    for (size_t i = 2; i < run.arguments.size(); ++i) {
        if (run.arguments[i] == "--pro") {
            user.pro = true;
        } else if (run.arguments[i] == "--quota" && i + 1 < run.arguments.size()) {
            const std::string& text = run.arguments[++i];
            auto parsed = std::from_chars(text.data(), text.data() + text.size(), user.quota);
            if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size())
                return run.Usage(synopsis);
        } else {
            return run.Usage(synopsis);
        }
    }
    if (!IsAcceptableEmail(user.email))
        return run.Refuse("\"" + user.email + "\" is not an e-mail address the service takes (no spaces, &, <, > or quotes)");
    if (user.password.empty() || user.password.size() > WireLimits::Password)
        return run.Refuse("the password must have 1 to 127 bytes");
    auto created = CreateUser(*run.db, user, run.instance.settings.clock());
    if (created.GetError() == Error::AlreadyExists)
        return run.Refuse("the e-mail address " + user.email + " has an account already");
    if (created.IsError())
        return run.Failed(created.GetError());
    std::fprintf(run.out, "created user %u %s (%s)\n", created->id, created->email.c_str(), created->pro ? "pro" : "free");
    return 0;
}

int ListUsersCommand(AdminRun& run)
{
    auto users = ListUsers(*run.db);
    if (users.IsError())
        return run.Failed(users.GetError());
    std::fprintf(run.out, "%-6s %-32s %-5s %8s %8s  %s\n", "ID", "E-MAIL", "PLAN", "QUOTA", "PHOTOS", "NAME");
    for (const UserRecord& user : *users) {
        std::fprintf(run.out, "%-6u %-32s %-5s %8u %8lld  %s\n", user.id, user.email.c_str(), user.pro ? "pro" : "free", user.quota,
            static_cast<long long>(user.photos), user.DisplayName().c_str());
    }
    return 0;
}

int ListBlogsCommand(AdminRun& run)
{
    auto blogs = ListBlogs(*run.db);
    if (blogs.IsError())
        return run.Failed(blogs.GetError());
    std::fprintf(run.out, "%-6s %-24s %-32s %8s  %-28s %s\n", "ID", "NAME", "OWNER", "ENTRIES", "FLAGS", "TITLE");
    for (const BlogRecord& blog : *blogs) {
        auto owner = FindUserById(*run.db, blog.ownerId);
        auto entries = CountEntries(*run.db, blog.id, std::nullopt);
        if (owner.IsError() || entries.IsError())
            return run.Failed(owner.IsError() ? owner.GetError() : entries.GetError());
        std::string flags;
        auto flag = [&](bool on, const char* name) {
            if (on)
                flags += (flags.empty() ? "" : ",") + std::string(name);
        };
        flag(blog.hidden, "hidden");
        flag(blog.group, "group");
        flag(blog.IsProtected(), "password");
        flag(!blog.commentsOpen, "no-comments");
        std::fprintf(run.out, "%-6u %-24s %-32s %8lld  %-28s %s\n", blog.id, blog.name.c_str(), *owner ? (*owner)->email.c_str() : "?",
            static_cast<long long>(*entries), flags.empty() ? "-" : flags.c_str(), blog.title.c_str());
    }
    return 0;
}

int ListOutboxCommand(AdminRun& run)
{
    auto items = ListOutbox(*run.db);
    if (items.IsError())
        return run.Failed(items.GetError());
    for (const OutboxItem& item : *items) {
        std::string recipients = item.recipients;
        for (char& c : recipients) {
            if (c == '\n')
                c = ',';
        }
        std::fprintf(run.out, "%u %s user=%u blog=%u category=%u entry=%u", item.id, item.kind.c_str(), item.userId, item.blogId, item.categoryId,
            item.entryId);
        if (item.kind == "email")
            std::fprintf(run.out, " to=%s message=%s\n", recipients.c_str(), item.message.c_str());
        else
            std::fprintf(run.out, " remote-blog=%s title=%s\n", item.remoteBlog.c_str(), item.title.c_str());
    }
    return 0;
}

// The commands that change one setting of a blog.
int ChangeBlog(AdminRun& run, const char* synopsis, const std::function<std::optional<std::string>(BlogRecord&)>& change)
{
    if (run.arguments.size() != 2)
        return run.Usage(synopsis);
    int status = 0;
    auto blog = NamedBlog(run, run.arguments[0], status);
    if (!blog)
        return status;
    if (auto problem = change(*blog))
        return problem->empty() ? run.Usage(synopsis) : run.Refuse(*problem);
    auto stamp = run.db->ChangeStamp(run.instance.settings.clock());
    if (stamp.IsError())
        return run.Failed(stamp.GetError());
    if (ErrorCode code = UpdateBlog(*run.db, *blog, *stamp); code != Error::Success)
        return run.Failed(code);
    std::fprintf(run.out, "%s: done\n", blog->name.c_str());
    return 0;
}

int SetViewPasswordCommand(AdminRun& run)
{
    return ChangeBlog(run, "set-view-password BLOG PASSWORD", [&](BlogRecord& blog) -> std::optional<std::string> {
        const std::string& password = run.arguments[1];
        if (password.size() > WireLimits::Password || !IsValidUtf8(password))
            return std::string("a view password has at most 127 bytes of UTF-8 text");
        blog.viewPassword = password;
        return std::nullopt;
    });
}

// A blog's on/off setting.
int SwitchBlogSetting(AdminRun& run, const char* synopsis, bool BlogRecord::*setting)
{
    return ChangeBlog(run, synopsis, [&](BlogRecord& blog) -> std::optional<std::string> {
        auto on = OnOff(run.arguments[1]);
        if (!on)
            return std::string();
        blog.*setting = *on;
        return std::nullopt;
    });
}

int AddMemberCommand(AdminRun& run)
{
    if (run.arguments.size() != 2)
        return run.Usage("add-member BLOG EMAIL");
    int status = 0;
    auto blog = NamedBlog(run, run.arguments[0], status);
    if (!blog)
        return status;
    auto user = NamedUser(run, run.arguments[1], status);
    if (!user)
        return status;
    if (user->id == blog->ownerId)
        return run.Refuse(user->email + " owns " + blog->name + " already");
    if (ErrorCode code = AddMember(*run.db, blog->id, user->id); code != Error::Success)
        return run.Failed(code);
    // The member's devices learn of their new write access with the
    // blog's settings.
    auto stamp = run.db->ChangeStamp(run.instance.settings.clock());
    if (stamp.IsError())
        return run.Failed(stamp.GetError());
    if (ErrorCode code = UpdateBlog(*run.db, *blog, *stamp); code != Error::Success)
        return run.Failed(code);
    std::fprintf(run.out, "%s is a member of %s%s\n", user->email.c_str(), blog->name.c_str(),
        blog->group ? "" : " (it posts once the blog is a group blog: admin set-group BLOG on)");
    return 0;
}

int AddRemoteBlogCommand(AdminRun& run)
{
    if (run.arguments.size() != 2)
        return run.Usage("add-remote-blog EMAIL NAME");
    int status = 0;
    auto user = NamedUser(run, run.arguments[0], status);
    if (!user)
        return status;
    const std::string& name = run.arguments[1];
    if (name.empty() || !IsValidUtf8(name) || FitEscaped(name, WireLimits::RemoteBlogName) != name)
        return run.Refuse("a remote blog's name has 1 to 63 bytes of UTF-8 text (escaped)");
    if (ErrorCode code = AddRemoteBlog(*run.db, user->id, name); code != Error::Success)
        return run.Failed(code);
    std::fprintf(run.out, "%s can post to %s\n", user->email.c_str(), name.c_str());
    return 0;
}

int SetFileCommand(AdminRun& run, bool channels)
{
    if (run.arguments.size() != 1)
        return run.Usage(channels ? "set-channels FILE" : "set-message FILE");
    auto text = ReadWholeFile(run.arguments[0]);
    if (text.IsError())
        return run.Refuse("cannot read " + run.arguments[0]);
    std::string problem = channels ? MessageFiles::ChannelsProblem(*text) : MessageFiles::MessageFileProblem(*text);
    if (!problem.empty())
        return run.Refuse(problem);
    ErrorCode code = channels ? MessageFiles::SetChannels(*run.db, *text) : MessageFiles::SetMessageFile(*run.db, *text);
    if (code != Error::Success)
        return run.Refuse("cannot write the " + std::string(channels ? "channels" : "message") + " file (code " + std::to_string(code) + ")");
    std::fprintf(run.out, "the %s file is set\n", channels ? "channels" : "message");
    return 0;
}

}

int RunAdminCommand(ServiceInstance& instance, const std::vector<std::string>& words, std::FILE* out, std::FILE* err)
{
    static const std::map<std::string, int (*)(AdminRun&)> commands {
        { "create-user", CreateUserCommand },
        { "list-users", ListUsersCommand },
        { "list-blogs", ListBlogsCommand },
        { "list-outbox", ListOutboxCommand },
        { "set-view-password", SetViewPasswordCommand },
        { "set-group", [](AdminRun& run) { return SwitchBlogSetting(run, "set-group BLOG on|off", &BlogRecord::group); } },
        { "set-comments", [](AdminRun& run) { return SwitchBlogSetting(run, "set-comments BLOG on|off", &BlogRecord::commentsOpen); } },
        { "add-member", AddMemberCommand },
        { "add-remote-blog", AddRemoteBlogCommand },
        { "set-channels", [](AdminRun& run) { return SetFileCommand(run, true); } },
        { "set-message", [](AdminRun& run) { return SetFileCommand(run, false); } },
    };
    if (words.empty()) {
        std::fprintf(err, "vellumbrix-server: admin needs a command; see --help\n");
        return 2;
    }
    auto command = commands.find(words[0]);
    if (command == commands.end()) {
        std::fprintf(err, "vellumbrix-server: unknown admin command %s; see --help\n", words[0].c_str());
        return 2;
    }
    std::vector<std::string> arguments(words.begin() + 1, words.end());
    auto transaction = instance.database->Begin(TransactionKind::Write);
    if (transaction.IsError()) {
        std::fprintf(err, "vellumbrix-server: the database is not available (code %u)\n", static_cast<unsigned>(transaction.GetError()));
        return 1;
    }
    AdminRun run { instance, arguments, out, err, transaction->get() };
    int status = command->second(run);
    if (status == 0) {
        if (ErrorCode code = (*transaction)->Commit(); code != Error::Success)
            return run.Failed(code);
    }
    return status;
}
