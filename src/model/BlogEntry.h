#pragma once

#include "model/EntryObserver.h"
#include "model/SerializableObject.h"
#include "platform/ErrorCode.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One photo post of a blog: the service's fields, the local photo and its
// thumbnail, and the bookkeeping for working offline. Text fields are UTF-8
// as the service sent them; every text accessor has a raw 8-bit form and a
// UTF-16 text form. The device implementation is CWinBlogEntry; records are
// made by the store's factory operations.
class Stream;

class BlogEntry : public SerializableObject {
public:
    // Photo states: 0 and 1 have no local file, 2 to 254 have one at the
    // photo path, 255 means the photo is gone and the entry is hidden.
    static constexpr std::uint8_t kPhotoStateThumbnail = 1;
    static constexpr std::uint8_t kPhotoStateOnDevice = 7;
    static constexpr std::uint8_t kPhotoStateGone = 255;

    // Status bits.
    static constexpr std::uint8_t kStatusNewEntry = 0x01;
    static constexpr std::uint8_t kStatusNewComments = 0x02;

    virtual std::uint32_t GetCategoryId() const = 0;
    virtual bool IsPending() const = 0;
    virtual std::uint32_t GetServerId() const = 0;
    virtual std::uint32_t GetPosterId() const = 0;
    virtual const std::string& GetTitle() const = 0;
    virtual const std::string& GetCaption() const = 0;
    virtual const std::string& GetAuthorName() const = 0;
    virtual const std::string& GetThumbnailUrl() const = 0;
    virtual const std::string& GetPhotoUrl() const = 0;
    virtual const std::string& GetSourceUrl() const = 0;
    virtual std::uint32_t GetPostDate() const = 0;
    virtual std::uint32_t GetTakenDate() const = 0;
    virtual std::uint32_t GetFileSize() const = 0;
    virtual std::uint16_t GetWidth() const = 0;
    virtual std::uint16_t GetHeight() const = 0;
    // The photo file for reading; none when it cannot be opened.
    virtual std::unique_ptr<Stream> OpenPhotoStream() const = 0;
    virtual const std::string& GetPhotoPath() const = 0;
    virtual std::uint8_t GetPhotoState() const = 0;
    virtual std::uint8_t GetSecondState() const = 0;
    virtual bool IsHidden() const;
    virtual bool IsNewEntry() const;
    virtual bool HasNewComments() const;

    virtual void SetCategoryId(std::uint32_t id) = 0;
    virtual void SetPending(bool pending) = 0;
    virtual void SetServerId(std::uint32_t id) = 0;
    virtual void SetPosterId(std::uint32_t id) = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual void SetAuthorName(std::string_view name) = 0;
    virtual void SetThumbnailUrl(std::string_view url) = 0;
    virtual void SetPhotoUrl(std::string_view url) = 0;
    virtual void SetSourceUrl(std::string_view url) = 0;
    virtual void SetPostDate(std::uint32_t date) = 0;
    virtual void SetTakenDate(std::uint32_t date) = 0;
    virtual void SetFileSize(std::uint32_t size) = 0;
    virtual void SetWidthAndHeight(std::uint16_t width, std::uint16_t height) = 0;
    virtual void SetPhotoPath(std::string_view path) = 0;
    virtual void SetPhotoState(std::uint8_t state) = 0;
    virtual void SetSecondState(std::uint8_t state) = 0;
    // Takes a picture as the entry's photo: the photo state becomes
    // `state`; from 2 up the photo path becomes the picture's file (a
    // stream over a named file counts as that file), below it is emptied.
    // The thumbnail is made anew (none when the picture cannot be
    // decoded); width, height and file size are taken from the picture
    // where they are still 0. Error::InvalidJpegPhoto when the picture is
    // not a JPEG file at all; a file that cannot be opened returns its
    // code and changes nothing.
    virtual ErrorCode AttachPhoto(const std::string& path, std::uint8_t state) = 0;
    virtual ErrorCode AttachPhoto(Stream& picture, std::uint8_t state) = 0;
    // Why the picture last attached gave no thumbnail: the decoder's code
    // when it cannot be decoded, the system's when the thumbnail could not
    // be written through the temporary folder; Success when it gave one.
    // Not stored.
    virtual ErrorCode GetThumbnailError() const = 0;
    // Deletes the local photo file (a missing one is no error); the photo
    // path, photo state and pending flag stay. With publishedOnly, an entry
    // that is not on the web keeps its photo.
    virtual ErrorCode PurgePhoto(bool publishedOnly) = 0;
    // Return whether the bit changed: the caller saves the store only then.
    virtual bool SetNewEntry(bool isNew);
    virtual bool SetNewComments(bool hasNew);
    virtual bool IsOnTheWeb() const;
    virtual bool HasServiceCategory() const;
    virtual void ClearUnconfirmed() = 0;
    // The photo is gone: state 255 (hidden) and no thumbnail.
    virtual void MarkPhotoGone() = 0;

    virtual std::u16string GetTitleText() const;
    virtual void SetTitleText(std::u16string_view title);
    virtual std::u16string GetCaptionText() const;
    virtual void SetCaptionText(std::u16string_view caption);
    virtual std::u16string GetAuthorNameText() const;
    virtual void SetAuthorNameText(std::u16string_view name);

    // The rest of the record, for the store, the service and copies.
    virtual std::uint8_t GetStatusBits() const = 0;
    virtual void SetStatusBits(std::uint8_t bits) = 0;
    virtual bool IsUnconfirmed() const = 0;
    virtual void SetUnconfirmed(bool unconfirmed) = 0;
    // The thumbnail: a complete JPEG file image owned by the entry.
    virtual std::span<const std::uint8_t> GetThumbnail() const = 0;
    std::uint32_t GetThumbnailSize() const { return static_cast<std::uint32_t>(GetThumbnail().size()); }
    virtual void SetThumbnail(std::vector<std::uint8_t> jpeg) = 0;
    virtual void ReleaseThumbnail() = 0;
    // Copies every field, the thumbnail bytes included.
    virtual void CopyFrom(const BlogEntry& other) = 0;

    // Derived states used by the filters and the views.
    bool IsPublished() const { return !IsPending(); }
    bool IsPublishedBy(std::uint32_t userId) const { return IsPublished() && GetPosterId() == userId; }

    // The store that holds the entry, told of changes to the fields it
    // indexes. Set and cleared by the store alone; a copy of an entry
    // belongs to no store.
    void SetObserver(EntryObserver* observer) { m_observer = observer; }
    EntryObserver* GetObserver() const { return m_observer; }

protected:
    BlogEntry() = default;
    BlogEntry(const BlogEntry& other)
        : SerializableObject(other)
    {
    }
    BlogEntry& operator=(const BlogEntry& other)
    {
        SerializableObject::operator=(other);
        return *this;
    }

    // For the setters of the device implementation, called after a change.
    void NotifyServerIdChanged(std::uint32_t oldId)
    {
        if (m_observer)
            m_observer->OnEntryServerIdChanged(*this, oldId);
    }
    void NotifyShownFieldsChanged()
    {
        if (m_observer)
            m_observer->OnEntryShownFieldsChanged(*this);
    }
    void NotifyPostDateChanged()
    {
        if (m_observer)
            m_observer->OnEntryPostDateChanged(*this);
    }

private:
    EntryObserver* m_observer { nullptr };
};
