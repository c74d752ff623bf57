#pragma once

#include "model/BlogComment.h"

// The comment record as the device keeps it; its class name and fields are
// written into the blog store file.
class CWinBlogComment final : public BlogComment {
public:
    CWinBlogComment() = default;
    CWinBlogComment(const CWinBlogComment&) = default;
    CWinBlogComment& operator=(const CWinBlogComment&) = default;

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }
    void Serialize(Archive& archive) override;

    std::uint32_t GetEntryId() const override { return m_entryId; }
    bool IsPending() const override { return m_pending; }
    std::uint32_t GetCommentId() const override { return m_commentId; }
    std::uint32_t GetAuthorId() const override { return m_authorId; }
    const std::string& GetText() const override { return m_text; }
    const std::string& GetAuthorName() const override { return m_authorName; }
    std::uint32_t GetDate() const override { return m_date; }
    void SetEntryId(std::uint32_t id) override { m_entryId = id; }
    void SetPending(bool pending) override { m_pending = pending; }
    void SetCommentId(std::uint32_t id) override { m_commentId = id; }
    void SetAuthorId(std::uint32_t id) override { m_authorId = id; }
    void SetText(std::string_view text) override { m_text = text; }
    void SetAuthorName(std::string_view name) override { m_authorName = name; }
    void SetDate(std::uint32_t date) override { m_date = date; }
    void ClearUnconfirmed() override { m_unconfirmed = false; }

    bool IsUnconfirmed() const override { return m_unconfirmed; }
    void SetUnconfirmed(bool unconfirmed) override { m_unconfirmed = unconfirmed; }
    void CopyFrom(const BlogComment& other) override;

private:
    std::uint32_t m_entryId { 0 };
    bool m_pending { false };
    std::uint32_t m_commentId { 0 };
    std::uint32_t m_authorId { 0 };
    std::string m_text;
    std::string m_authorName;
    std::uint32_t m_date { 0 };
    bool m_unconfirmed { false };
};
