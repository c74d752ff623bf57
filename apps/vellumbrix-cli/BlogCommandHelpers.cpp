#include "BlogCommandHelpers.h"

#include "ArchiveJson.h"
#include "CliCommand.h"

#include "platform/CodePage.h"
#include "platform/Path.h"
#include "workflows/SizeChoices.h"

#include <charconv>
#include <iostream>

std::unique_ptr<CWinBlogUser> LoadDeviceUser(std::string_view command)
{
    auto user = std::make_unique<CWinBlogUser>();
    user->Load();
    if (ErrorCode error = user->GetLoadError()) {
        const auto& damage = user->GetLoadDamage();
        std::string why = damage && damage->kind != ArchiveDamage::Kind::CannotOpen ? "is damaged: " + damage->Describe()
                                                                                    : "cannot be read: " + SystemErrorText(error);
        std::cerr << "vellumbrix-cli " << command << ": the user file " << user->GetFilePath() << " " << why
                  << "; the account is taken as far as it could be read\n";
    }
    return user;
}

std::optional<DeviceBlogs> OpenDeviceBlog(std::string_view command, std::string_view urlName, BlogUse use, int& status)
{
    DeviceBlogs blogs { LoadDeviceUser(command), nullptr };
    blogs.store = blogs.user->FindBlog(urlName);
    if (!blogs.store) {
        status = Failure(std::string(command) + ": there is no blog '" + std::string(urlName) + "' on the device (see vellumbrix-cli blogs)");
        return std::nullopt;
    }
    if (use == BlogUse::Change && blogs.store->GetLoadDamage()) {
        status = Failure(std::string(command) + ": the file of the blog '" + std::string(urlName) + "' is damaged (" + blogs.store->GetLoadDamage()->Describe()
            + "); it is left as it is");
        return std::nullopt;
    }
    status = ExitSuccess;
    return blogs;
}

int SaveStore(CWinBlogStorage& store)
{
    // A failed save has shown message 6002 already.
    if (ErrorCode error = store.Save())
        return Failure(store.GetFilePath() + " could not be saved: " + SystemErrorText(error) + "; the old file is unchanged");
    return ExitSuccess;
}

nlohmann::ordered_json IndexedEntryJson(size_t index, const BlogEntry& entry)
{
    nlohmann::ordered_json json { { "index", index } };
    nlohmann::ordered_json fields = EntryJson(entry);
    for (auto& item : fields.items())
        json[item.key()] = item.value();
    return json;
}

nlohmann::ordered_json IndexedEntriesJson(const CWinBlogStorage& store, const std::function<bool(const BlogEntry&)>& include)
{
    auto list = nlohmann::ordered_json::array();
    size_t index = 0;
    for (auto& entry : store.GetEntries()) {
        if (include(*entry))
            list.push_back(IndexedEntryJson(index, *entry));
        ++index;
    }
    return list;
}

void PrintJson(const nlohmann::ordered_json& json)
{
    std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

std::optional<std::uint32_t> ParseNumber(std::string_view text, std::uint32_t maximum)
{
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > maximum)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint16_t> ParsePhotoSize(std::string_view text, std::uint16_t minimum)
{
    for (const SizeChoice& choice : DownloadSizeChoices()) {
        if (choice.value < minimum)
            continue;
        if (EqualsIgnoringCase(text, LoadString(choice.text)) || text == std::to_string(choice.value))
            return choice.value;
    }
    return std::nullopt;
}

std::string PhotoSizeNames(std::uint16_t minimum)
{
    std::string names;
    for (const SizeChoice& choice : DownloadSizeChoices()) {
        if (choice.value < minimum)
            continue;
        names += (names.empty() ? "" : ", ") + std::string(LoadString(choice.text));
    }
    return names;
}

static nlohmann::ordered_json TextList(const std::vector<std::u16string>& texts)
{
    auto list = nlohmann::ordered_json::array();
    for (auto& text : texts)
        list.push_back(Utf16ToUtf8(text));
    return list;
}

nlohmann::ordered_json AccountJson(const CWinBlogUser& user)
{
    return {
        { "user_id", user.GetUserId() },
        { "email", user.GetEmail() },
        { "account_type", user.GetProAccount() ? "pro" : "free" },
        { "photo_quota", user.GetPhotoQuota() },
        { "blogs", TextList(user.GetBlogUrlNames()) },
        { "remote_blogs", TextList(user.GetRemoteBlogNames()) },
    };
}

int AddDeviceBlog(CWinBlogUser& user, std::unique_ptr<CWinBlogStorage> store)
{
    if (store->Save())
        return ExitFailure;
    user.GetBlogList().Insert(std::move(store));
    return ExitSuccess;
}
