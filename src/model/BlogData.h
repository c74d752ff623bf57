#pragma once

#include "model/SerializableObject.h"

#include <cstdint>
#include <string>
#include <string_view>

// The settings of one blog as the views, dialogs and the service see them.
// CBlogInfo holds them.
class BlogData : public SerializableObject {
public:
    virtual std::uint32_t GetOwnerId() const = 0;
    virtual std::uint16_t GetGroupBlog() const = 0;
    virtual std::uint16_t GetHidden() const = 0;
    // The negation of the read-only flag.
    virtual bool CanAddPhotos() const = 0;
    virtual bool AreCommentsAllowed() const = 0;
    virtual const std::string& GetTitle() const = 0;
    virtual const std::string& GetSubtitle() const = 0;
    virtual const std::string& GetViewPassword() const = 0;
    virtual bool IsSettingsModified() const = 0;
    virtual void SetOwnerId(std::uint32_t id) = 0;
    virtual void SetGroupBlog(std::uint16_t groupBlog) = 0;
    virtual void SetHidden(std::uint16_t hidden) = 0;
    virtual void SetCanAddPhotos(bool canAdd) = 0;
    virtual void SetCommentsAllowed(bool allowed) = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual void SetSubtitle(std::string_view subtitle) = 0;
    virtual void SetSettingsModified(bool modified) = 0;
    // Asks the user for the view password of a password-protected blog; on
    // OK the password is kept and true returned.
    virtual bool AskForViewPassword() = 0;
};
