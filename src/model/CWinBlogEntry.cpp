#include "model/CWinBlogEntry.h"

#include "model/Archive.h"
#include "platform/FileSystem.h"

const RuntimeClass& CWinBlogEntry::Class()
{
    static const RuntimeClass runtimeClass {
        "CWinBlogEntry",
        0,
        []() -> std::unique_ptr<SerializableObject> { return std::make_unique<CWinBlogEntry>(); },
    };
    return runtimeClass;
}

void CWinBlogEntry::Serialize(Archive& archive)
{
    archive.Exchange("server id", m_serverId);
    archive.Exchange("category id", m_categoryId);
    archive.Exchange("poster id", m_posterId);
    archive.Exchange("title", m_title);
    archive.Exchange("caption", m_caption);
    archive.Exchange("author name", m_authorName);
    archive.Exchange("thumbnail URL", m_thumbnailUrl);
    archive.Exchange("photo URL", m_photoUrl);
    archive.Exchange("source URL", m_sourceUrl);
    archive.Exchange("post date", m_postDate);
    archive.Exchange("taken date", m_takenDate);
    archive.Exchange("file size", m_fileSize);
    archive.Exchange("width", m_width);
    archive.Exchange("height", m_height);
    archive.Exchange("photo state", m_photoState);
    archive.Exchange("second state byte", m_secondState);
    archive.Exchange("status bits", m_statusBits);
    archive.Exchange("photo path", m_photoPath);
    archive.Exchange("pending flag", m_pending);
    archive.Exchange("unconfirmed flag", m_unconfirmed);
    archive.ExchangeBlock("thumbnail size", "thumbnail", m_thumbnail);
}

// The setters of the fields a store indexes tell the store, and only when
// the value really changes.
template<typename T>
static bool Change(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void CWinBlogEntry::SetCategoryId(std::uint32_t id)
{
    if (Change(m_categoryId, id))
        NotifyShownFieldsChanged();
}

void CWinBlogEntry::SetPending(bool pending)
{
    if (Change(m_pending, pending))
        NotifyShownFieldsChanged();
}

void CWinBlogEntry::SetServerId(std::uint32_t id)
{
    std::uint32_t oldId = m_serverId;
    if (Change(m_serverId, id))
        NotifyServerIdChanged(oldId);
}

void CWinBlogEntry::SetPosterId(std::uint32_t id)
{
    if (Change(m_posterId, id))
        NotifyShownFieldsChanged();
}

void CWinBlogEntry::SetPostDate(std::uint32_t date)
{
    if (Change(m_postDate, date))
        NotifyPostDateChanged();
}

void CWinBlogEntry::SetPhotoState(std::uint8_t state)
{
    if (Change(m_photoState, state))
        NotifyShownFieldsChanged();
}

void CWinBlogEntry::SetWidthAndHeight(std::uint16_t width, std::uint16_t height)
{
    m_width = width;
    m_height = height;
}

ErrorCode CWinBlogEntry::PurgePhoto(bool publishedOnly)
{
    if (publishedOnly && !IsOnTheWeb())
        return Error::Success;
    if (m_photoPath.empty())
        return Error::Success;
    return DeleteFileIfExists(m_photoPath);
}

void CWinBlogEntry::MarkPhotoGone()
{
    SetPhotoState(kPhotoStateGone);
    ReleaseThumbnail();
}

void CWinBlogEntry::ReleaseThumbnail()
{
    // Give the memory back, not just the size.
    std::vector<std::uint8_t>().swap(m_thumbnail);
}

void CWinBlogEntry::CopyFrom(const BlogEntry& other)
{
    if (&other == this)
        return;
    std::uint32_t oldId = m_serverId;
    bool shownFieldsChanged = m_categoryId != other.GetCategoryId() || m_posterId != other.GetPosterId()
        || m_photoState != other.GetPhotoState() || m_pending != other.IsPending();
    bool postDateChanged = m_postDate != other.GetPostDate();
    m_serverId = other.GetServerId();
    m_categoryId = other.GetCategoryId();
    m_posterId = other.GetPosterId();
    m_title = other.GetTitle();
    m_caption = other.GetCaption();
    m_authorName = other.GetAuthorName();
    m_thumbnailUrl = other.GetThumbnailUrl();
    m_photoUrl = other.GetPhotoUrl();
    m_sourceUrl = other.GetSourceUrl();
    m_postDate = other.GetPostDate();
    m_takenDate = other.GetTakenDate();
    m_fileSize = other.GetFileSize();
    m_width = other.GetWidth();
    m_height = other.GetHeight();
    m_photoState = other.GetPhotoState();
    m_secondState = other.GetSecondState();
    m_statusBits = other.GetStatusBits();
    m_photoPath = other.GetPhotoPath();
    m_pending = other.IsPending();
    m_unconfirmed = other.IsUnconfirmed();
    auto thumbnail = other.GetThumbnail();
    m_thumbnail.assign(thumbnail.begin(), thumbnail.end());
    if (m_serverId != oldId)
        NotifyServerIdChanged(oldId);
    if (shownFieldsChanged)
        NotifyShownFieldsChanged();
    if (postDateChanged)
        NotifyPostDateChanged();
}
