#pragma once

#include "model/BlogAlbum.h"
#include "model/BlogComment.h"
#include "model/BlogEntry.h"
#include "model/CBlogInfo.h"
#include "model/SerializableObject.h"
#include "platform/ErrorCode.h"

#include <cstdint>
#include <memory>

// Everything the device knows about one blog, as the service layer and the
// views use it: the descriptor, the entries, categories and comments, the
// queues of deletions still to be sent, the view filters, and the file the
// blog lives in. LocalBlogStorage holds the data; CWinBlogStorage adds the
// device's file, photo folder and record classes.
class BlogStorage : public SerializableObject {
public:
    virtual std::uint32_t GetCategoryFilter() const = 0;
    virtual std::uint16_t GetStatusFilter() const = 0;
    virtual void SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter) = 0;
    virtual CBlogInfo& GetBlogInfo() = 0;
    virtual const CBlogInfo& GetBlogInfo() const = 0;

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

    virtual std::uint32_t GetEffectiveEntryLimit() const = 0;
    virtual bool GetDeleteAfterUpload() const = 0;
    virtual void ClearDeletedCategories() = 0;
    virtual void ClearDeletedEntries() = 0;
};
