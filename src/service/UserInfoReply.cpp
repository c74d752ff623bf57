#include "service/UserInfoReply.h"

#include "service/ResponseFields.h"
#include "transport/XmlReader.h"

#include <array>

namespace {

constexpr std::uint32_t kAccountTypeSize = 32;
constexpr std::uint32_t kSubscriptionSize = 128;
constexpr std::uint32_t kRemoteBlogSize = 64;

enum Section : std::size_t {
    Subscriptions,
    RemoteBlogs,
};
constexpr std::array<std::string_view, 2> kSectionNames { "SL", "RR" };

void ReadSubscriptions(ResponseFieldReader& reply, std::vector<std::string>& urlNames)
{
    std::string urlName;
    while (FindElement(reply.Body(), "SU", "SL")) {
        reply.Value(kSubscriptionSize, urlName);
        urlNames.push_back(urlName);
    }
}

// The names as the list holds them: each with its terminating NUL, all
// within the list's bytes.
std::vector<std::string> ReadRemoteBlogs(ResponseFieldReader& reply)
{
    std::vector<std::string> names;
    std::size_t bytes = 0;
    std::string name;
    while (FindElement(reply.Body(), "RB", "RR")) {
        reply.Value(kRemoteBlogSize, name);
        if (name.empty() || names.size() == kMaxRemoteBlogs || bytes + name.size() + 1 > kRemoteBlogNamesBytes)
            continue;
        bytes += name.size() + 1;
        names.push_back(name);
    }
    return names;
}

}

ErrorOr<AccountData> ReadUserInfoReply(Stream& body)
{
    ResponseFieldReader reply(body);
    AccountData account;
    if (!FindText(body, "<UI>"))
        return ErrorOr<AccountData>::FromError(Error::NoResponse);
    account.userId = ReadNumber(body);
    reply.Text("<AT", kAccountTypeSize, account.accountType);
    account.photoQuota = reply.Number("<QT>");

    bool listed = false;
    std::size_t next = 0;
    while (next < kSectionNames.size()) {
        auto found = FindNextSection(body, std::span(kSectionNames).subspan(next));
        if (!found)
            break;
        std::size_t section = next + found->index;
        next = section + 1;
        if (section == Subscriptions) {
            listed = true;
            if (!found->empty)
                ReadSubscriptions(reply, account.subscriptionUrlNames);
        } else {
            account.remoteBlogNames = found->empty ? std::vector<std::string>() : ReadRemoteBlogs(reply);
        }
    }
    if (!listed)
        return ErrorOr<AccountData>::FromError(Error::NoResponse);
    return account;
}
