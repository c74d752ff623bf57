#include "ChangesResponseExercise.h"

#include "model/BlogIds.h"
#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "service/ChangesResponse.h"
#include "transport/CurlHttp.h"
#include "transport/StreamFactories.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr std::uint32_t kUserId = 77;
constexpr std::uint32_t kLocalCategory = BlogIds::FirstLocalCategory;

// The sandboxed device every input runs on, removed when the process ends.
struct FuzzDevice {
    std::string home;

    FuzzDevice()
    {
        const char* base = std::getenv("TMPDIR");
        home = std::string(base && *base ? base : "/tmp") + "/vbx-fuzz-changes-XXXXXX";
        if (!::mkdtemp(home.data()))
            std::abort();
        DeviceFolders::Use(DeviceFolders::ForSandbox(home));
        if (CreateFolderWithParents(DeviceFolders::Current().DataFolder()) != Error::Success)
            std::abort();
    }
    ~FuzzDevice()
    {
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }
};

FuzzDevice& Device()
{
    static FuzzDevice device;
    return device;
}

void Check(bool rule, const char* what)
{
    if (!rule) {
        std::fprintf(stderr, "broken rule: %s\n", what);
        std::abort();
    }
}

// A blog as a sync finds it: published records, records changed on the
// device, and records made there and not yet sent.
std::unique_ptr<CWinBlogStorage> MakeStore(std::uint8_t choices)
{
    auto store = std::make_unique<CWinBlogStorage>(DeviceFolders::Current().DataFolder(), "fuzz");
    store->SetUserId(kUserId);
    CBlogInfo& blog = store->GetBlogInfo();
    blog.SetGroupBlog(choices & 2 ? 1 : 0);
    blog.SetOwnerId(choices & 4 ? kUserId : 12);
    blog.SetSettingsModified(choices & 8);
    const char* names[] = { "Beach", "City", "Made here" };
    std::uint32_t categoryIds[] = { 1, 2, kLocalCategory };
    for (int i = 0; i < 3; ++i) {
        auto category = store->NewCategory();
        category->SetId(categoryIds[i]);
        category->SetName(names[i]);
        category->SetModified(i == 2);
        store->InsertCategory(std::move(category));
    }
    for (std::uint32_t id = 0; id <= 5; ++id) {
        auto entry = store->NewEntry();
        entry->SetServerId(id);
        entry->SetCategoryId(id % 2 ? 1 : kLocalCategory);
        entry->SetTitle(id == 0 ? "Sunset" : "Entry " + std::to_string(id));
        entry->SetCaption(id == 0 ? "c" : "");
        entry->SetPostDate(3000000000u - id * 1000);
        entry->SetPending(id == 0 || id == 3);
        entry->SetPosterId(id % 3 ? kUserId : 12);
        store->InsertEntry(std::move(entry));
    }
    for (std::uint32_t id = 0; id <= 4; ++id) {
        auto comment = store->NewComment();
        comment->SetCommentId(id);
        comment->SetEntryId(1 + id % 3);
        comment->SetText(id == 0 ? "Lovely" : "Comment " + std::to_string(id));
        comment->SetDate(3000000000u + id);
        comment->SetPending(id == 0 || id == 2);
        store->InsertComment(std::move(comment));
    }
    return store;
}

// The orders and ids the rest of the program relies on.
void CheckRules(CWinBlogStorage& store, bool sweptFullRefresh)
{
    const auto& entries = store.GetEntries();
    std::set<std::uint32_t> entryIds;
    for (size_t i = 0; i < entries.GetSize(); ++i) {
        BlogEntry& entry = *entries.GetAt(i);
        Check(i == 0 || entries.GetAt(i - 1)->GetPostDate() >= entry.GetPostDate(), "entries newest first");
        if (entry.GetServerId() != 0) {
            Check(entryIds.insert(entry.GetServerId()).second, "one entry per id");
            Check(store.FindEntryByServerId(entry.GetServerId()) == &entry, "the id index finds the entry");
        }
        Check(!sweptFullRefresh || !entry.IsUnconfirmed(), "no entry left unconfirmed");
    }
    const auto& categories = store.GetCategories();
    std::set<std::uint32_t> categoryIds;
    for (size_t i = 0; i < categories.GetSize(); ++i) {
        BlogAlbum& category = *categories.GetAt(i);
        Check(i == 0 || CompareIgnoringCase(categories.GetAt(i - 1)->GetName(), category.GetName()) <= 0, "categories in name order");
        Check(categoryIds.insert(category.GetId()).second, "one category per id");
        Check(category.HasServiceId() || category.GetId() == kLocalCategory, "no local id from the service");
        Check(!category.GetName().empty(), "every category has a name");
        Check(!sweptFullRefresh || !category.IsUnconfirmed(), "no category left unconfirmed");
    }
    const auto& comments = store.GetComments();
    for (size_t i = 0; i < comments.GetSize(); ++i) {
        Check(i == 0 || comments.GetAt(i - 1)->GetDate() <= comments.GetAt(i)->GetDate(), "comments oldest first");
        Check(!sweptFullRefresh || !comments.GetAt(i)->IsUnconfirmed(), "no comment left unconfirmed");
    }
}

void CheckSavedCopy(CWinBlogStorage& store)
{
    if (store.Save() != Error::Success)
        return;
    CWinBlogStorage saved;
    saved.SetFilePath(store.GetFilePath());
    Check(saved.Load() == Error::Success, "the saved store loads");
    Check(saved.GetEntries().GetSize() == store.GetEntries().GetSize(), "the file holds every entry");
    Check(saved.GetCategories().GetSize() == store.GetCategories().GetSize(), "the file holds every category");
    Check(saved.GetComments().GetSize() == store.GetComments().GetSize(), "the file holds every comment");
    for (size_t i = 0; i < store.GetEntries().GetSize(); ++i) {
        Check(saved.GetEntries().GetAt(i)->GetServerId() == store.GetEntries().GetAt(i)->GetServerId(), "the file keeps the order");
        Check(saved.GetEntries().GetAt(i)->GetTitle() == store.GetEntries().GetAt(i)->GetTitle(), "the file keeps the titles");
    }
}

}

std::string ChangesFuzzOutcome::Text() const
{
    return std::to_string(code) + " " + std::to_string(timestamp) + " " + std::to_string(categories) + " " + std::to_string(entries) + " "
        + std::to_string(comments);
}

ChangesFuzzOutcome ProcessChangesInput(const std::uint8_t* data, std::size_t size)
{
    Device();
    static CurlHttp http;
    std::uint8_t choices = size > 0 ? data[0] : 0;
    auto store = MakeStore(choices);
    bool fullRefresh = choices & 1;

    auto body = CreateTempStream();
    Check(body != nullptr, "a temporary file can be made");
    if (size > 1)
        Check(body->Write(data + 1, static_cast<std::uint32_t>(size - 1)), "the response can be written");
    Check(body->Seek(0), "the response can be read");
    auto result = ProcessChangesResponse(*body, { *store, http, fullRefresh });

    ChangesFuzzOutcome outcome;
    outcome.code = result.GetError();
    outcome.timestamp = result.IsError() ? 0 : result->time;
    CheckRules(*store, fullRefresh && !result.IsError());
    // Saving costs a file and its sync; every other input is enough.
    if (choices & 0x10)
        CheckSavedCopy(*store);
    outcome.categories = store->GetCategories().GetSize();
    outcome.entries = store->GetEntries().GetSize();
    outcome.comments = store->GetComments().GetSize();
    return outcome;
}
