#include "support/BlogFixtures.h"

#include "JpegTestKit.h"
#include "support/TemporaryFolder.h"

#include <map>

std::vector<std::uint8_t> MakeThumbnailJpeg(std::uint32_t seed)
{
    // Thumbnails repeat across many entries; each seed is encoded once.
    static std::map<std::uint32_t, std::vector<std::uint8_t>> made;
    auto found = made.find(seed);
    if (found != made.end())
        return found->second;
    JpegOptions options;
    options.quality = 80;
    auto jpeg = EncodeJpeg(MakePhotoLikePicture(96, 96, seed), options);
    made.emplace(seed, jpeg);
    return jpeg;
}

void WritePhotoFile(const std::string& path, int width, int height, std::uint32_t seed)
{
    auto jpeg = EncodeJpeg(MakePhotoLikePicture(width, height, seed), JpegOptions {});
    WriteTextFile(path, std::string(jpeg.begin(), jpeg.end()));
}

CWinBlogStorage& AddBlog(CWinBlogUser& user, const BlogSpec& spec)
{
    auto store = std::make_unique<CWinBlogStorage>(user.GetDataFolder(), spec.urlName);
    CBlogInfo& info = store->GetBlogInfo();
    info.SetTitle(spec.title);
    info.SetSubtitle(spec.subtitle);
    info.SetGroupBlog(spec.groupBlog ? 1 : 0);
    info.SetReadOnly(spec.readOnly);
    info.SetOwnerId(spec.ownerId);
    CWinBlogStorage& added = *store;
    (void)store->Save(); // a fixture in a fresh temporary folder
    user.GetBlogList().Insert(std::move(store));
    return added;
}

BlogEntry& AddEntry(CWinBlogStorage& store, const EntrySpec& spec)
{
    auto entry = store.NewEntry();
    entry->SetTitle(spec.title);
    entry->SetCaption(spec.caption);
    entry->SetAuthorName(spec.author);
    entry->SetPostDate(spec.postDate);
    entry->SetTakenDate(spec.postDate);
    entry->SetServerId(spec.serverId);
    entry->SetPosterId(spec.posterId);
    entry->SetCategoryId(spec.categoryId);
    entry->SetPending(spec.pending);
    entry->SetNewEntry(spec.isNew);
    entry->SetNewComments(spec.newComments);
    if (spec.thumbnailSeed >= 0)
        entry->SetThumbnail(MakeThumbnailJpeg(static_cast<std::uint32_t>(spec.thumbnailSeed)));
    if (!spec.photoPath.empty()) {
        entry->SetPhotoPath(spec.photoPath);
        entry->SetPhotoState(BlogEntry::kPhotoStateOnDevice);
    }
    return store.InsertEntry(std::move(entry));
}

bool SaveAccount(CWinBlogUser& user, std::uint32_t userId)
{
    user.SetEmail("ann@example.com");
    user.SetPassword("secret");
    user.SetUserId(userId);
    return user.Save() == Error::Success;
}

BlogAlbum& AddCategory(CWinBlogStorage& store, std::uint32_t id, const std::string& name)
{
    auto category = store.NewCategory();
    category->SetId(id);
    category->SetName(name);
    category->SetModified(false);
    return store.InsertCategory(std::move(category));
}
