#include "service/StoreActionReplies.h"

#include "model/BlogIds.h"
#include "service/ResponseFields.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kNameSize = 64;
constexpr std::uint32_t kAddressSize = 128;
constexpr std::uint32_t kBlogTextSize = 100;
// The photo-size code of a full-size photo; the states above it mean
// other things.
constexpr std::uint16_t kLargestPhotoSize = 7;

}

void ApplyCategoryReply(LocalBlogStorage& store, BlogAlbum& category, Stream& body)
{
    if (!category.HasServiceId()) {
        ResponseFieldReader reply(body);
        std::uint32_t newId = reply.Number("<CI>");
        std::uint32_t oldId = category.GetId();
        // An id from the local range would not be the service's.
        if (newId != 0 && newId != oldId && newId < BlogIds::FirstLocalCategory) {
            category.SetId(newId);
            store.Recategorise(oldId, newId);
        }
    }
    category.SetModified(false);
}

ErrorCode ApplyEntryReply(LocalBlogStorage& store, BlogEntry& entry, Stream& body, const EntryReplyContext& context)
{
    if (entry.GetServerId() == 0) {
        ResponseFieldReader reply(body);
        std::uint32_t id = reply.Number("<ID>");
        std::string posterName;
        if (context.groupBlog)
            reply.Text("<BY", kNameSize, posterName);
        std::string sourceUrl = reply.Text("<OU", kAddressSize);
        // Sending it again would make a second copy on the web.
        if (id == 0)
            return Error::NoResponse;
        entry.SetServerId(id);
        if (context.groupBlog) {
            entry.SetAuthorName(posterName);
            entry.SetPosterId(context.userId);
        }
        entry.SetSourceUrl(sourceUrl);
    }
    // The photo state says what picture the entry holds. A photo that
    // stays on the device is still the picture it was (often the user's
    // own full-size photo, which a download at another size would
    // replace); only a photo deleted after its upload leaves the state to
    // record the size it was uploaded at.
    if (store.GetDeleteAfterUpload() && !entry.GetPhotoPath().empty()) {
        // The photo is on the web now; one that cannot be deleted merely
        // stays on the device.
        if (entry.PurgePhoto(false) == Error::Success)
            entry.SetPhotoState(static_cast<std::uint8_t>(std::min<std::uint16_t>(context.uploadSizeCode, kLargestPhotoSize)));
    }
    entry.SetPending(false);
    return Error::Success;
}

ErrorCode ApplyCommentReply(BlogComment& comment, Stream& body, std::uint32_t userId)
{
    if (comment.GetCommentId() == 0) {
        ResponseFieldReader reply(body);
        std::uint32_t id = reply.Number("<OI>");
        std::string author = reply.Text("<BY", kNameSize);
        if (id == 0)
            return Error::NoResponse;
        comment.SetCommentId(id);
        comment.SetAuthorName(author);
        comment.SetAuthorId(userId);
    }
    comment.SetPending(false);
    return Error::Success;
}

void ApplyBlogSettingsReply(CBlogInfo& blog, Stream& body)
{
    ResponseFieldReader reply(body);
    blog.SetTitle(reply.Text("<BT", kBlogTextSize));
    blog.SetSubtitle(reply.Text("<ST", kBlogTextSize));
    blog.SetHidden(reply.Text("<VI", kBlogTextSize) != "normal" ? 1 : 0);
    blog.SetSettingsModified(false);
}

void ForgetDeletedCategory(LocalBlogStorage& store, const BlogAlbum& category)
{
    store.DeleteCategory(category, true);
}

ErrorCode ForgetDeletedEntry(LocalBlogStorage& store, const BlogEntry& entry)
{
    return store.DeleteEntry(entry, true, false);
}

void ForgetDeletedComment(LocalBlogStorage& store, const BlogComment& comment)
{
    store.DeleteComment(comment, true);
}
