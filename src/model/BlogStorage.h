#pragma once

#include "app/StringFormat.h"
#include "model/BlogAlbum.h"
#include "model/BlogComment.h"
#include "model/BlogEntry.h"
#include "model/CBlogInfo.h"
#include "model/SerializableObject.h"
#include "platform/ErrorCode.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class Stream;

// Everything the device knows about one blog, as the service layer and the
// views use it: the descriptor, the entries, categories and comments, the
// queues of deletions still to be sent, the view filters, and the file the
// blog lives in. LocalBlogStorage holds the data; CWinBlogStorage adds the
// device's file, photo folder and record classes.
//
// "Shown" entries are those that pass both filters, in store order.
// Records returned by pointer belong to the store; a pointer stays valid
// until the record is deleted or the store is loaded again.
class BlogStorage : public SerializableObject {
public:
    // Status filter values; any other value lets nothing pass.
    static constexpr std::uint16_t kStatusAll = 0;           // not hidden
    static constexpr std::uint16_t kStatusPending = 1;       // pending, not hidden
    static constexpr std::uint16_t kStatusPublished = 2;     // not pending, not hidden
    static constexpr std::uint16_t kStatusPublishedByMe = 3; // ... and posted by the user
    static constexpr std::uint16_t kStatusEverything = 255;  // hidden entries too
    // The shown index of an entry that is not in the store.
    static constexpr std::uint32_t kNotInStore = 65535;

    virtual std::uint32_t GetCategoryFilter() const = 0;
    virtual std::uint16_t GetStatusFilter() const = 0;
    virtual void SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter) = 0;
    virtual size_t GetCategoryCount() const = 0;
    virtual size_t GetShownEntryCount() const = 0;
    virtual CBlogInfo& GetBlogInfo() = 0;
    virtual const CBlogInfo& GetBlogInfo() const = 0;
    // Index operations answer none outside the list.
    virtual BlogAlbum* GetCategoryAt(size_t index) const = 0;
    virtual BlogEntry* GetShownEntryAt(size_t index) const = 0;
    virtual BlogEntry* GetLastShownEntry() const = 0;
    virtual BlogAlbum* FindCategoryById(std::uint32_t id) const = 0;
    // Names compare without regard to case.
    virtual BlogAlbum* FindCategoryByName(std::string_view name) const = 0;
    // The first entry in store order with this id.
    virtual BlogEntry* FindEntryByServerId(std::uint32_t serverId) const = 0;
    // The number of shown entries before the entry in store order (its
    // index among them when it is shown); kNotInStore when it is not held.
    virtual std::uint32_t GetShownIndexOf(const BlogEntry& entry) const = 0;

    // The entry whose comments are being shown, by server id.
    virtual void SetCurrentEntry(std::uint32_t serverId) = 0;
    virtual size_t GetCurrentCommentCount() const = 0;
    virtual BlogComment* GetCurrentCommentAt(size_t index) const = 0;
    virtual BlogComment* FindCommentById(std::uint32_t commentId) const = 0;

    // What the sync sends and how it recognises records it sent.
    virtual BlogAlbum* GetFirstModifiedCategory() const = 0;
    // Only categories with a local id.
    virtual BlogAlbum* FindLocalCategoryByName(std::string_view name) const = 0;
    // The first never-published entry with this category id, this post
    // date (unless 0), this title and (when given) this caption; texts
    // compare without regard to case.
    virtual BlogEntry* FindLocalEntry(std::uint32_t categoryId, std::string_view title,
        std::optional<std::string_view> caption, std::uint32_t postDate) const = 0;
    virtual BlogComment* GetFirstPendingComment() const = 0;
    // The first comment without a comment id on that entry, with this date
    // (unless 0) and (when given) this text, compared without regard to case.
    virtual BlogComment* FindLocalComment(std::uint32_t entryId, std::optional<std::string_view> text, std::uint32_t date) const = 0;
    // The heads of the deletion queues.
    virtual BlogAlbum* GetFirstDeletedCategory() const = 0;
    virtual BlogEntry* GetFirstDeletedEntry() const = 0;
    virtual BlogComment* GetFirstDeletedComment() const = 0;

    // Merging: a copy is inserted at its sorted place unless a record with
    // the same id is held (then nothing happens and none is returned).
    virtual BlogAlbum* AddCategoryCopy(const BlogAlbum& category) = 0;
    // Removes the category with the same id and moves its entries to
    // "Unfiled"; unless permanent it is queued for deletion on the web.
    virtual void DeleteCategory(const BlogAlbum& category, bool permanent) = 0;
    virtual BlogEntry* AddEntryCopy(const BlogEntry& entry) = 0;
    // Removes the held entry with the same server id (the first in store
    // order), or, for a never-published entry (id 0), that very entry.
    // Permanent: it is destroyed (with a queued deletion of the same id);
    // else it is queued for deletion on the web without its thumbnail. With
    // deletePhoto its photo file goes first; when that fails, nothing else
    // happens and the system's code is returned. The entry passed may be
    // the one destroyed.
    virtual ErrorCode DeleteEntry(const BlogEntry& entry, bool permanent, bool deletePhoto) = 0;
    // The entry stays but is hidden (photo gone) and no longer pending.
    virtual void DropEntryWithMissingPhoto(BlogEntry& entry) = 0;
    // DeleteEntry, permanent, with its photo.
    virtual ErrorCode RemoveEntry(const BlogEntry& entry) = 0;
    virtual BlogComment* AddCommentCopy(const BlogComment& comment) = 0;
    // As DeleteEntry, with the comment id and the deleted-comments queue.
    virtual void DeleteComment(const BlogComment& comment, bool permanent) = 0;

    // Reads the blog's file; a missing file leaves the store as it is and is
    // success. A damaged file returns its code, and the store keeps what was
    // read before the damage.
    virtual ErrorCode Load() = 0;
    // Writes the blog's file; on failure the old file and the store are
    // unchanged and the system's code is returned.
    virtual ErrorCode Save() = 0;

    // The only way records are made, so that the device implementation can
    // be exchanged. The caller owns the new record until it hands it on.
    virtual std::unique_ptr<BlogAlbum> NewCategory() const = 0;
    virtual std::unique_ptr<BlogEntry> NewEntry() const = 0;
    virtual std::unique_ptr<BlogComment> NewComment() const = 0;

    // Whether a status filter value selects published entries only.
    virtual bool IsBeyondPending(std::uint16_t statusValue) const = 0;
    // Stores a downloaded picture as FILE-NAME in the blog's photo folder;
    // on success `stream` is replaced by a stream over the new file,
    // positioned at its start.
    virtual ErrorCode SavePhoto(std::string_view fileName, std::unique_ptr<Stream>& stream) = 0;
    // The permission tests; true means the user may not change it. With
    // no entry (or comment): whether the user may not change the blog (or
    // comment on it) at all.
    virtual bool IsReadOnly(const BlogEntry* entry) const = 0;
    virtual bool IsCommentReadOnly(const BlogComment* comment) const = 0;

    // Reconciliation with a full listing: mark all, merge and confirm what
    // the listing holds, then sweep. A sweep destroys the records still
    // marked that have a service id and are neither pending nor modified;
    // the others only lose the mark.
    virtual void MarkAllCategoriesUnconfirmed() = 0;
    virtual void ConfirmCategory(BlogAlbum& category) = 0;
    virtual void SweepCategories() = 0;
    // Every entry of category `from` gets `to`; pending flags stay.
    virtual void Recategorise(std::uint32_t from, std::uint32_t to) = 0;
    virtual void MarkAllEntriesUnconfirmed() = 0;
    virtual void ConfirmEntry(BlogEntry& entry) = 0;
    virtual void SweepEntries() = 0;
    virtual void MarkAllCommentsUnconfirmed() = 0;
    virtual void ConfirmCommentsOfEntry(std::uint32_t entryServerId) = 0;
    virtual void ConfirmComment(BlogComment& comment) = 0;
    virtual void SweepComments() = 0;

    virtual std::uint32_t GetEffectiveEntryLimit() const = 0;
    virtual bool GetDeleteAfterUpload() const = 0;

    // The daily message check's bookkeeping (see app/MessageCheck.h).
    virtual bool ShouldCheckMessages(bool force, std::uint32_t& noteNumber, std::string& versionText) = 0;
    virtual bool ShowNewVersion(std::string_view version) = 0;
    virtual bool ShowNote(std::uint32_t noteNumber, std::string_view noteText, std::string_view secondText) = 0;
    virtual void SetLastMessageCheck(int flag) = 0;
    // A formatted message in a warning box.
    virtual void ShowWarning(std::string_view format, std::initializer_list<FormatArgument> arguments = {}) = 0;
    // The message text of an error code; the store keeps the copy that the
    // reference names until the next call.
    virtual const std::string& GetErrorText(ErrorCode code) = 0;

    virtual void ClearDeletedCategories() = 0;
    virtual void ClearDeletedEntries() = 0;
};
