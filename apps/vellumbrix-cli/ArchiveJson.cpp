#include "ArchiveJson.h"

#include "platform/CodePage.h"

#include <openssl/evp.h>

static nlohmann::ordered_json Sha1Hex(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return nullptr;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha1(), nullptr))
        return nullptr;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0xF];
    }
    return text;
}

static nlohmann::ordered_json BlogJson(const CBlogInfo& blog)
{
    return {
        { "owner_id", blog.GetOwnerId() },
        { "group_blog", blog.GetGroupBlog() },
        { "url_name", blog.GetUrlName() },
        { "string2", blog.GetSecondString() },
        { "string3", blog.GetThirdString() },
        { "title", blog.GetTitle() },
        { "subtitle", blog.GetSubtitle() },
        { "view_password", blog.GetViewPassword() },
        { "hidden", blog.GetHidden() },
        { "read_only", blog.IsReadOnly() },
        { "comments_allowed", blog.AreCommentsAllowed() },
        { "upload_size", blog.GetUploadSize() },
        { "download_size", blog.GetDownloadSize() },
        { "limit_entries", blog.GetLimitEntries() },
        { "entry_limit", blog.GetEntryLimit() },
        { "delete_after_upload", blog.GetDeleteAfterUpload() },
        { "last_flag", blog.GetLastFlag() },
        { "settings_modified", blog.IsSettingsModified() },
    };
}

nlohmann::ordered_json EntryJson(const BlogEntry& entry)
{
    return {
        { "server_id", entry.GetServerId() },
        { "category_id", entry.GetCategoryId() },
        { "poster_id", entry.GetPosterId() },
        { "title", entry.GetTitle() },
        { "caption", entry.GetCaption() },
        { "author", entry.GetAuthorName() },
        { "thumbnail_url", entry.GetThumbnailUrl() },
        { "photo_url", entry.GetPhotoUrl() },
        { "source_url", entry.GetSourceUrl() },
        { "post_date", entry.GetPostDate() },
        { "taken_date", entry.GetTakenDate() },
        { "file_size", entry.GetFileSize() },
        { "width", entry.GetWidth() },
        { "height", entry.GetHeight() },
        { "photo_state", entry.GetPhotoState() },
        { "state2", entry.GetSecondState() },
        { "status_bits", entry.GetStatusBits() },
        { "photo_path", entry.GetPhotoPath() },
        { "pending", entry.IsPending() },
        { "unconfirmed", entry.IsUnconfirmed() },
        { "thumbnail_size", entry.GetThumbnailSize() },
        { "thumbnail_sha1", Sha1Hex(entry.GetThumbnail()) },
    };
}

nlohmann::ordered_json AlbumJson(const BlogAlbum& album)
{
    return {
        { "id", album.GetId() },
        { "name", album.GetName() },
        { "url", album.GetUrl() },
        { "modified", album.IsModified() },
        { "unconfirmed", album.IsUnconfirmed() },
    };
}

nlohmann::ordered_json CommentJson(const BlogComment& comment)
{
    return {
        { "entry_id", comment.GetEntryId() },
        { "pending", comment.IsPending() },
        { "comment_id", comment.GetCommentId() },
        { "author_id", comment.GetAuthorId() },
        { "text", comment.GetText() },
        { "author", comment.GetAuthorName() },
        { "date", comment.GetDate() },
        { "unconfirmed", comment.IsUnconfirmed() },
    };
}

template<typename T, typename ToJson>
static nlohmann::ordered_json ListJson(const CObjectArray<T>& list, ToJson toJson)
{
    auto array = nlohmann::ordered_json::array();
    for (auto& record : list)
        array.push_back(toJson(*record));
    return array;
}

nlohmann::ordered_json StoreJson(const CWinBlogStorage& store)
{
    return {
        { "format_version", store.GetFormatVersion() },
        { "blog", BlogJson(store.GetBlogInfo()) },
        { "download_stamp", store.GetDownloadStamp() },
        { "status_filter", store.GetStatusFilter() },
        { "category_filter", store.GetCategoryFilter() },
        { "entries", ListJson(store.GetEntries(), EntryJson) },
        { "categories", ListJson(store.GetCategories(), AlbumJson) },
        { "comments", ListJson(store.GetComments(), CommentJson) },
        { "deleted_entries", ListJson(store.GetDeletedEntries(), EntryJson) },
        { "deleted_categories", ListJson(store.GetDeletedCategories(), AlbumJson) },
        { "deleted_comments", ListJson(store.GetDeletedComments(), CommentJson) },
    };
}

static nlohmann::ordered_json TextListJson(const std::vector<std::u16string>& texts)
{
    auto array = nlohmann::ordered_json::array();
    for (auto& text : texts)
        array.push_back(Utf16ToUtf8(text));
    return array;
}

nlohmann::ordered_json UserJson(const CWinBlogUser& user)
{
    return {
        { "format_version", user.GetFormatVersion() },
        { "user_id", user.GetUserId() },
        { "email", user.GetEmail() },
        { "password", user.GetPassword() },
        { "pro_account", user.GetProAccount() },
        { "photo_quota", user.GetPhotoQuota() },
        { "blog_url_names", TextListJson(user.GetBlogUrlNames()) },
        { "remote_blog_names", TextListJson(user.GetRemoteBlogNames()) },
    };
}
