#pragma once

#include "model/SerializableObject.h"

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
};
