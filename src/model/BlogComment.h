#pragma once

#include "model/SerializableObject.h"

#include <cstdint>
#include <string>
#include <string_view>

// A comment on an entry. The device implementation is CWinBlogComment.
class BlogComment : public SerializableObject {
public:
    virtual std::uint32_t GetEntryId() const = 0;
    virtual bool IsPending() const = 0;
    virtual std::uint32_t GetCommentId() const = 0;
    virtual std::uint32_t GetAuthorId() const = 0;
    virtual const std::string& GetText() const = 0;
    virtual const std::string& GetAuthorName() const = 0;
    virtual std::uint32_t GetDate() const = 0;
    virtual void SetEntryId(std::uint32_t id) = 0;
    virtual void SetPending(bool pending) = 0;
    virtual void SetCommentId(std::uint32_t id) = 0;
    virtual void SetAuthorId(std::uint32_t id) = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual void SetAuthorName(std::string_view name) = 0;
    virtual void SetDate(std::uint32_t date) = 0;
    virtual bool IsOnTheWeb() const;
    virtual void ClearUnconfirmed() = 0;
    virtual std::u16string GetTextText() const;
    virtual void SetTextText(std::u16string_view text);

    std::u16string GetAuthorNameText() const;
    void SetAuthorNameText(std::u16string_view name);

    virtual bool IsUnconfirmed() const = 0;
    virtual void SetUnconfirmed(bool unconfirmed) = 0;
    // Copies every field.
    virtual void CopyFrom(const BlogComment& other) = 0;
};
