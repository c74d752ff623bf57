#pragma once

#include "model/SerializableObject.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The account of the device's one user. CWinBlogUser holds it with the
// list of the user's blogs.
class BlogUser : public SerializableObject {
public:
    virtual std::uint32_t GetUserId() const = 0;
    virtual const std::string& GetEmail() const = 0;
    virtual const std::string& GetPassword() const = 0;
    virtual std::uint16_t GetProAccount() const = 0;
    virtual std::uint32_t GetPhotoQuota() const = 0;
    virtual void SetUserId(std::uint32_t id) = 0;
    virtual void SetEmail(std::string_view email) = 0;
    virtual void SetPassword(std::string_view password) = 0;
    virtual void SetProAccount(std::uint16_t pro) = 0;
    virtual void SetPhotoQuota(std::uint32_t quota) = 0;
    // Replaces the remote blog names with these, converted to UTF-16, in
    // order.
    virtual void SetRemoteBlogNames(std::span<const std::string> names) = 0;

    // The URL name of the blog at this position of the blog list; none
    // past the end.
    virtual const std::string* GetBlogUrlNameAt(size_t index) const = 0;
    // The position of the first blog with this URL name (any case), or -1.
    virtual long FindBlogIndex(std::string_view urlName) const = 0;
    // The account refresh selects every blog, then deselects those the
    // service still lists; the others are offered for unsubscribing.
    virtual void SelectAllBlogsForSync() = 0;
    virtual void DeselectBlog(size_t index) = 0;
    // From `index` on, the first selected blog: `index` becomes its
    // position and its URL name is returned; none when there is no more.
    virtual const std::string* NextSelectedBlog(size_t& index) const = 0;
    // Asks whether to unsubscribe (and whether to delete the blog's
    // photos) and removes the blog from the device. False when the user
    // refuses or the blog cannot be removed.
    virtual bool UnsubscribeBlog(std::string_view urlName) = 0;
    // Asks whether to subscribe, lets the user set the new blog's
    // preferences, saves its store and puts it in the blog list. False when
    // the user refuses or the store cannot be made or saved.
    virtual bool SubscribeBlog(std::string_view urlName) = 0;
    // The stored URL names become those of the blog list, in list order.
    virtual void RebuildBlogUrlNames() = 0;
    // Whether the stored URL names (as last rebuilt) hold this one, in any
    // case.
    virtual bool IsKnownBlog(std::string_view urlName) const = 0;
};
