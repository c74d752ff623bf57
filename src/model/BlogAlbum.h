#pragma once

#include "model/SerializableObject.h"

#include <cstdint>
#include <string>
#include <string_view>

// A category of a blog. The device implementation is CWinBlogAlbum.
class BlogAlbum : public SerializableObject {
public:
    virtual bool IsModified() const = 0;
    virtual std::uint32_t GetId() const = 0;
    virtual const std::string& GetName() const = 0;
    virtual const std::string& GetUrl() const = 0;
    virtual void SetModified(bool modified) = 0;
    virtual void SetId(std::uint32_t id) = 0;
    virtual void SetName(std::string_view name) = 0;
    virtual void SetUrl(std::string_view url) = 0;
    // False for the local ids given to categories made on the device.
    virtual bool HasServiceId() const;
    virtual void ClearUnconfirmed() = 0;
    virtual std::u16string GetNameText() const;
    virtual void SetNameText(std::u16string_view name);

    virtual bool IsUnconfirmed() const = 0;
    virtual void SetUnconfirmed(bool unconfirmed) = 0;
    // Copies every field.
    virtual void CopyFrom(const BlogAlbum& other) = 0;
};
