#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "service/DownloadedPhoto.h"
#include "service/PhotoAddress.h"
#include "service/PhotoFileName.h"
#include "service/QuillberryBlogService.h"
#include "service/ServiceProgress.h"
#include "transport/FileLargeStream.h"
#include "transport/ServiceHost.h"
#include "transport/StreamTail.h"

#include <algorithm>
#include <limits>

// The photo downloads of the sync and of the download-photo command, and
// the plain GET requests they are made of.

namespace {

constexpr StringId kNoConnectionMessage = 8500;
// The store is saved after this many pictures, so that a sync cut short
// keeps most of what it fetched without writing the store for every one.
constexpr unsigned kPicturesPerSave = 32;
// A picture for a thumbnail is read whole; one larger than this is no
// thumbnail.
constexpr std::uint32_t kLargestThumbnailPicture = 4u << 20;

// The size code an entry's picture is wanted at, or 0 when it has what it
// needs. Only entries on the web have a picture to fetch.
std::uint16_t WantedSizeCode(const BlogEntry& entry, std::uint16_t blogSizeCode)
{
    if (entry.GetServerId() == 0)
        return 0;
    std::uint8_t state = entry.GetPhotoState();
    if (state >= PhotoSize::FirstRequestState && state <= PhotoSize::LastRequestState)
        return static_cast<std::uint16_t>(state - PhotoSize::RequestStateOffset);
    std::uint16_t wanted = std::min(blogSizeCode, PhotoSize::FullSize);
    return state < wanted ? wanted : 0;
}

// A status that says the picture is not to be had (not found, gone,
// forbidden): nothing a later try would change, so it does not stop the
// other downloads.
bool IsClientErrorStatus(ErrorCode code)
{
    return code >= 400 && code <= 499;
}

bool StartsLikeJpeg(Stream& picture)
{
    std::uint8_t marker[3] {};
    bool read = picture.Seek(0) && picture.ReadByte(marker[0]) && picture.ReadByte(marker[1]) && picture.ReadByte(marker[2]);
    return picture.Seek(0) && read && marker[0] == 0xFF && marker[1] == 0xD8 && marker[2] == 0xFF;
}

std::uint16_t Count(std::size_t value)
{
    return static_cast<std::uint16_t>(std::min<std::size_t>(value, std::numeric_limits<std::uint16_t>::max()));
}

}

ErrorCode QuillberryBlogService::HttpGet(const WebAddress& where, std::unique_ptr<HttpResponse>& response)
{
    response.reset();
    HttpRequest request;
    if (!PrepareGet(request, where, m_progressCallback, m_progressContext))
        return Error::NotEnoughMemory;
    std::unique_ptr<HttpResponse> received = m_http.Send(request);
    if (!received) {
        ReportFailure(m_progressCallback, m_progressContext, Error::NotEnoughMemory, nullptr);
        return Error::NotEnoughMemory;
    }
    ErrorCode code = GetStatus(*received);
    if (code == Error::Success && !GetBody(*received))
        code = Error::NoResponse;
    if (code != Error::Success) {
        ReportFailure(m_progressCallback, m_progressContext, code, received.get());
        return code;
    }
    response = std::move(received);
    return Error::Success;
}

ErrorCode QuillberryBlogService::DownloadPhotos(ProgressCallback callback, void* context)
{
    if (!m_store)
        return Error::InvalidParameter;
    SetProgress(callback, context);
    std::vector<BlogEntry*> wanted;
    for (auto& entry : m_store->GetEntries()) {
        if (WantedSizeCode(*entry, m_downloadSizeCode) != 0)
            wanted.push_back(entry.get());
    }
    ErrorCode result = Error::Success;
    unsigned unsaved = 0;
    for (std::size_t done = 0; done < wanted.size(); ++done) {
        BlogEntry& entry = *wanted[done];
        if (!ReportStep(callback, context, ProgressStep::GettingEntry, entry.GetTitle().c_str(), Count(done + 1), Count(wanted.size()))) {
            result = Error::Cancelled;
            break;
        }
        ErrorCode code = FetchEntryPhoto(entry, WantedSizeCode(entry, m_downloadSizeCode));
        // Neither a picture that is not one nor one that is not there
        // keeps the others from coming.
        if (code == Error::InvalidJpegPhoto || IsClientErrorStatus(code))
            continue;
        if (code != Error::Success) {
            result = code;
            break;
        }
        if (++unsaved == kPicturesPerSave) {
            unsaved = 0;
            if (ErrorCode saved = SaveStore())
                return saved;
        }
    }
    // What came is kept, whether or not the rest could come too.
    if (unsaved > 0) {
        if (ErrorCode saved = SaveStore(); saved && !result)
            result = saved;
    }
    return result;
}

ErrorCode QuillberryBlogService::FetchEntryPhoto(BlogEntry& entry, std::uint16_t sizeCode)
{
    if (!m_store)
        return Error::InvalidParameter;
    PhotoAddress address = ChoosePhotoAddress(entry, sizeCode);
    // Nothing to fetch counts as done: it will not be there next time
    // either.
    if (address.url.size() < kShortestPhotoAddress)
        return Error::Success;
    std::optional<WebAddress> where = ParseWebAddress(address.url);
    if (!where)
        return Error::Success;
    std::unique_ptr<HttpResponse> response;
    if (ErrorCode code = HttpGet(*where, response))
        return code;
    StreamTail picture(*response->stream, response->bodyOffset);
    if (!StartsLikeJpeg(picture))
        return Error::InvalidJpegPhoto;
    bool pending = entry.IsPending();
    ErrorCode result = address.sizeCode > PhotoSize::Thumbnail ? KeepPhoto(entry, picture, address.sizeCode) : KeepThumbnail(entry, picture);
    // Fetching a picture changes nothing the user wrote.
    entry.SetPending(pending);
    return result;
}

std::string QuillberryBlogService::FreePhotoFileName(const BlogEntry& entry, const std::string& folder) const
{
    std::string name = PhotoFileNameFor(entry.GetSourceUrl(), entry.GetServerId());
    auto heldByAnother = [&](const std::string& candidate) {
        std::string path = JoinPath(folder, candidate);
        const auto& entries = m_store->GetEntries();
        return std::any_of(entries.begin(), entries.end(),
            [&](const std::unique_ptr<BlogEntry>& other) { return other.get() != &entry && other->GetPhotoPath() == path; });
    };
    std::string candidate = name;
    for (unsigned number = 2; heldByAnother(candidate); ++number)
        candidate = NumberedPhotoFileName(name, number);
    return candidate;
}

ErrorCode QuillberryBlogService::KeepPhoto(BlogEntry& entry, Stream& picture, std::uint16_t sizeCode)
{
    auto folder = m_store->WorkOutPhotoFolder();
    if (folder.IsError())
        return folder.GetError();
    std::string name = FreePhotoFileName(entry, *folder);
    std::string oldPath = entry.GetPhotoPath();
    bool oldIsDownload = IsDownloadedPhoto(entry, m_store->GetBlogInfo().GetUrlName());

    // Written beside its name and renamed into place: a download cut short
    // leaves no part of a file, and a file of that name as it was.
    std::unique_ptr<Stream> saved = std::make_unique<StreamTail>(picture, 0);
    if (ErrorCode error = m_store->SavePhoto(name, saved))
        return error;
    std::string newPath = JoinPath(*folder, name);
    entry.SetFileSize(0);
    entry.SetWidthAndHeight(0, 0);
    if (ErrorCode error = entry.AttachPhoto(*saved, static_cast<std::uint8_t>(sizeCode))) {
        saved.reset();
        // The file no entry took is not left behind.
        if (newPath != oldPath)
            (void)DeleteFileIfExists(newPath);
        return error;
    }
    // The smaller picture it replaces was a download too; a photo of the
    // user's own stays, whatever it is.
    if (!oldPath.empty() && oldPath != newPath && oldIsDownload) {
        // A stray copy that cannot be deleted only takes room.
        (void)DeleteFileIfExists(oldPath);
    }
    return Error::Success;
}

ErrorCode QuillberryBlogService::KeepThumbnail(BlogEntry& entry, Stream& picture)
{
    if (picture.GetLength() > kLargestThumbnailPicture)
        return Error::InvalidJpegPhoto;
    entry.SetFileSize(0);
    entry.SetWidthAndHeight(0, 0);
    return entry.AttachPhoto(picture, PhotoSize::Thumbnail);
}

ErrorCode QuillberryBlogService::DownloadEntryPhoto(BlogEntry& entry, std::uint16_t sizeCode, ProgressCallback callback, void* context)
{
    if (!m_store)
        return Error::InvalidParameter;
    if (!m_http.Open(1)) {
        ShowStringMessage(kNoConnectionMessage, MessageIcon::Error);
        return Error::AlreadyReported;
    }
    SetProgress(callback, context);
    ErrorCode result = Error::Cancelled;
    if (ReportStep(callback, context, ProgressStep::GettingEntry, entry.GetTitle().c_str()))
        result = FetchEntryPhoto(entry, sizeCode);
    if (result == Error::Success)
        result = SaveStore();
    m_http.Close(1);
    return result;
}
