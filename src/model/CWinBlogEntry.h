#pragma once

#include "model/BlogEntry.h"

// The entry record as the device keeps it; its class name and fields are
// written into the blog store file.
class CWinBlogEntry final : public BlogEntry {
public:
    CWinBlogEntry() = default;
    CWinBlogEntry(const CWinBlogEntry&) = default;
    // Through CopyFrom, so that a store holding this entry hears of it.
    CWinBlogEntry& operator=(const CWinBlogEntry& other)
    {
        CopyFrom(other);
        return *this;
    }

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }
    void Serialize(Archive& archive) override;

    std::uint32_t GetCategoryId() const override { return m_categoryId; }
    bool IsPending() const override { return m_pending; }
    std::uint32_t GetServerId() const override { return m_serverId; }
    std::uint32_t GetPosterId() const override { return m_posterId; }
    const std::string& GetTitle() const override { return m_title; }
    const std::string& GetCaption() const override { return m_caption; }
    const std::string& GetAuthorName() const override { return m_authorName; }
    const std::string& GetThumbnailUrl() const override { return m_thumbnailUrl; }
    const std::string& GetPhotoUrl() const override { return m_photoUrl; }
    const std::string& GetSourceUrl() const override { return m_sourceUrl; }
    std::uint32_t GetPostDate() const override { return m_postDate; }
    std::uint32_t GetTakenDate() const override { return m_takenDate; }
    std::uint32_t GetFileSize() const override { return m_fileSize; }
    std::uint16_t GetWidth() const override { return m_width; }
    std::uint16_t GetHeight() const override { return m_height; }
    std::unique_ptr<Stream> OpenPhotoStream() const override;
    const std::string& GetPhotoPath() const override { return m_photoPath; }
    std::uint8_t GetPhotoState() const override { return m_photoState; }
    std::uint8_t GetSecondState() const override { return m_secondState; }

    void SetCategoryId(std::uint32_t id) override;
    void SetPending(bool pending) override;
    void SetServerId(std::uint32_t id) override;
    void SetPosterId(std::uint32_t id) override;
    void SetTitle(std::string_view title) override { m_title = title; }
    void SetCaption(std::string_view caption) override { m_caption = caption; }
    void SetAuthorName(std::string_view name) override { m_authorName = name; }
    void SetThumbnailUrl(std::string_view url) override { m_thumbnailUrl = url; }
    void SetPhotoUrl(std::string_view url) override { m_photoUrl = url; }
    void SetSourceUrl(std::string_view url) override { m_sourceUrl = url; }
    void SetPostDate(std::uint32_t date) override;
    void SetTakenDate(std::uint32_t date) override { m_takenDate = date; }
    void SetFileSize(std::uint32_t size) override { m_fileSize = size; }
    void SetWidthAndHeight(std::uint16_t width, std::uint16_t height) override;
    void SetPhotoPath(std::string_view path) override { m_photoPath = path; }
    void SetPhotoState(std::uint8_t state) override;
    void SetSecondState(std::uint8_t state) override { m_secondState = state; }
    ErrorCode AttachPhoto(const std::string& path, std::uint8_t state) override;
    ErrorCode AttachPhoto(Stream& picture, std::uint8_t state) override;
    ErrorCode GetThumbnailError() const override { return m_thumbnailError; }
    ErrorCode PurgePhoto(bool publishedOnly) override;
    void ClearUnconfirmed() override { m_unconfirmed = false; }
    void MarkPhotoGone() override;

    std::uint8_t GetStatusBits() const override { return m_statusBits; }
    void SetStatusBits(std::uint8_t bits) override { m_statusBits = bits; }
    bool IsUnconfirmed() const override { return m_unconfirmed; }
    void SetUnconfirmed(bool unconfirmed) override { m_unconfirmed = unconfirmed; }
    std::span<const std::uint8_t> GetThumbnail() const override { return m_thumbnail; }
    void SetThumbnail(std::vector<std::uint8_t> jpeg) override { m_thumbnail = std::move(jpeg); }
    void ReleaseThumbnail() override;
    void CopyFrom(const BlogEntry& other) override;

private:
    // The thumbnail, size and header of a picture, once the state and the
    // path are set.
    template<typename Source>
    ErrorCode TakePicture(Source& source, std::uint64_t length);

    std::uint32_t m_serverId { 0 };
    std::uint32_t m_categoryId { 0 };
    std::uint32_t m_posterId { 0 };
    std::string m_title;
    std::string m_caption;
    std::string m_authorName;
    std::string m_thumbnailUrl;
    std::string m_photoUrl;
    std::string m_sourceUrl;
    std::uint32_t m_postDate { 0 };
    std::uint32_t m_takenDate { 0 };
    std::uint32_t m_fileSize { 0 };
    std::uint16_t m_width { 0 };
    std::uint16_t m_height { 0 };
    std::uint8_t m_photoState { 0 };
    std::uint8_t m_secondState { 0 };
    std::uint8_t m_statusBits { 0 };
    std::string m_photoPath;
    bool m_pending { true };
    bool m_unconfirmed { false };
    std::vector<std::uint8_t> m_thumbnail;
    ErrorCode m_thumbnailError { Error::Success };
};
