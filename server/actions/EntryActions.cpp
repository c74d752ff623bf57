// "AP", "EP" and "DP": the entries of a blog, one photo each.

#include "server/actions/Actions.h"
#include "server/actions/RecordWriting.h"

#include "server/soap/ServiceErrorText.h"
#include "server/storage/Categories.h"
#include "server/storage/Entries.h"
#include "server/storage/Users.h"

namespace {

// The category an entry is filed under. A category that is gone (deleted
// by another device since this one last synced) or still a device's own
// leaves the entry unfiled rather than refusing it, which would hold up
// every later sync of the device.
ErrorOr<std::int64_t> FilingCategory(ActionContext& context, std::uint32_t categoryId)
{
    if (categoryId == 0)
        return std::int64_t { 0 };
    if (categoryId < FirstDeviceCategoryId) {
        auto category = FindCategory(context.db, context.Blog().id, categoryId);
        if (category.IsError())
            return ErrorOr<std::int64_t>::FromError(category.GetError());
        if (*category && !(*category)->deleted)
            return std::int64_t { categoryId };
    }
    context.note = "category " + std::to_string(categoryId) + " unknown: filed as unfiled";
    return std::int64_t { 0 };
}

ActionOutcome AnswerEntry(ActionContext& context, const EntryRecord& entry)
{
    std::string site = context.Site();
    ResponseWriter writer(context.request.action, context.host);
    writer.Number("ID", entry.id)
        .Text("BY", WireAuthorName(entry.posterName))
        .Text("OU", PhotoUrl(site, context.Blog(), entry, PhotoVariant::FullSize))
        .Text("PU", PhotoUrl(site, context.Blog(), entry, PhotoVariant::Picture))
        .Text("TU", PhotoUrl(site, context.Blog(), entry, PhotoVariant::Thumbnail));
    return Answer(writer);
}

ErrorOr<ActionOutcome> AddEntry(ActionContext& context, const StoreEntryRequest& request)
{
    if (!context.access.mayPost)
        return Refuse(context, ServiceErrorText::NoAddPicture);
    // Free accounts keep a limited number of photos; a group blog's photos
    // count against its owner's account.
    auto placed = TakePhotoPlace(context.db, context.Blog().ownerId);
    if (placed.IsError())
        return placed.GetError();
    if (!*placed)
        return Refuse(context, ServiceErrorText::PictureLimitOver);
    auto category = FilingCategory(context, request.categoryId);
    if (category.IsError())
        return category.GetError();

    UploadedPhoto& photo = *context.upload;
    if (!photo.stored) {
        if (ErrorCode code = context.photos.StoreOriginal(context.Blog().name, photo.key, photo.bytes); code != Error::Success)
            return code;
        photo.stored = true;
    }
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    EntryRecord entry;
    entry.blogId = context.Blog().id;
    entry.categoryId = static_cast<std::uint32_t>(*category);
    entry.posterId = context.user->id;
    entry.posterName = context.user->DisplayName();
    entry.title = request.title;
    entry.caption = request.caption;
    entry.posted = request.posted;
    entry.taken = request.taken;
    entry.photoKey = photo.key;
    entry.width = photo.width;
    entry.height = photo.height;
    entry.photoBytes = static_cast<std::uint32_t>(photo.bytes.size());
    auto created = CreateEntry(context.db, entry, *stamp);
    if (created.IsError())
        return created.GetError();
    return AnswerEntry(context, *created);
}

ErrorOr<ActionOutcome> EditEntry(ActionContext& context, const StoreEntryRequest& request)
{
    auto found = FindEntry(context.db, context.Blog().id, *request.id);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->deleted)
        return Refuse(context, ServiceErrorText::PictureMissing);
    EntryRecord entry = std::move(**found);
    if (!context.access.MayChangeEntry(entry.posterId, context.UserId()))
        return Refuse(context, ServiceErrorText::NoEditPicture);
    auto category = FilingCategory(context, request.categoryId);
    if (category.IsError())
        return category.GetError();
    entry.categoryId = static_cast<std::uint32_t>(*category);
    entry.title = request.title;
    entry.caption = request.caption;
    entry.posted = request.posted;
    entry.taken = request.taken;
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = UpdateEntry(context.db, entry, *stamp); code != Error::Success)
        return code;
    return AnswerEntry(context, entry);
}

}

ErrorOr<ActionOutcome> StoreEntry(ActionContext& context, const StoreEntryRequest& request)
{
    if (request.id)
        return EditEntry(context, request);
    return AddEntry(context, request);
}

// An entry that is gone already (or never was) counts as deleted: a device
// retries a deletion until it hears success. The photo's files go once the
// deletion has committed.
ErrorOr<ActionOutcome> DeleteEntry(ActionContext& context, const DeleteEntryRequest& request)
{
    auto found = FindEntry(context.db, context.Blog().id, request.id);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->deleted) {
        context.note = "already gone";
        return Done(context);
    }
    if (!context.access.MayChangeEntry((*found)->posterId, context.UserId()))
        return Refuse(context, ServiceErrorText::NoDeletePicture);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = ::DeleteEntry(context.db, request.id, *stamp); code != Error::Success)
        return code;
    if (ErrorCode code = FreePhotoPlace(context.db, context.Blog().ownerId); code != Error::Success)
        return code;
    context.photosToRemove.push_back(PhotoToRemove { context.Blog().name, (*found)->photoKey });
    return Done(context);
}
