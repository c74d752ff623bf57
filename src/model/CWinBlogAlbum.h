#pragma once

#include "model/BlogAlbum.h"

// The category record as the device keeps it; its class name and fields
// are written into the blog store file.
class CWinBlogAlbum final : public BlogAlbum {
public:
    CWinBlogAlbum() = default;
    CWinBlogAlbum(const CWinBlogAlbum&) = default;
    CWinBlogAlbum& operator=(const CWinBlogAlbum&) = default;

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }
    void Serialize(Archive& archive) override;

    bool IsModified() const override { return m_modified; }
    std::uint32_t GetId() const override { return m_id; }
    const std::string& GetName() const override { return m_name; }
    const std::string& GetUrl() const override { return m_url; }
    void SetModified(bool modified) override { m_modified = modified; }
    void SetId(std::uint32_t id) override { m_id = id; }
    void SetName(std::string_view name) override { m_name = name; }
    void SetUrl(std::string_view url) override { m_url = url; }
    void ClearUnconfirmed() override { m_unconfirmed = false; }

    bool IsUnconfirmed() const override { return m_unconfirmed; }
    void SetUnconfirmed(bool unconfirmed) override { m_unconfirmed = unconfirmed; }
    void CopyFrom(const BlogAlbum& other) override;

private:
    std::uint32_t m_id { 0 };
    std::string m_name;
    std::string m_url;
    bool m_modified { true };
    bool m_unconfirmed { false };
};
