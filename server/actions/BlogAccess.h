#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>

// What one user (or a stranger) may do with one blog.
//  - The owner may do everything.
//  - Members of a group blog post entries and change their own.
//  - Anyone with an account may comment where comments are open; the
//    owner and the group's members always may.
//  - Everyone else reads: a read-only subscription. A protected blog is
//    read with its view password only, and only users who gave it (and so
//    hold a subscription) may comment on it or send its photos on.
// Categories and the blog's settings are the owner's.
struct BlogAccess {
    bool owner { false };
    bool member { false };  // of a group blog
    bool mayRead { false }; // without giving the view password again
    bool mayPost { false };
    bool mayComment { false };

    // Readers other than the owner and members need the view password of a
    // protected blog.
    bool NeedsViewPassword(const BlogRecord& blog) const { return blog.IsProtected() && !owner && !member; }
    // May change (or delete) an entry posted by posterId.
    bool MayChangeEntry(std::uint32_t posterId, std::uint32_t userId) const { return owner || (mayPost && posterId == userId); }
};

ErrorOr<BlogAccess> AccessOf(SqlTransaction& db, const BlogRecord& blog, const std::optional<UserRecord>& user);
