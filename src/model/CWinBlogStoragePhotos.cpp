#include "model/CWinBlogStorage.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/ProgressWindow.h"
#include "transport/FileLargeStream.h"

ErrorOr<std::string> CWinBlogStorage::WorkOutPhotoFolder()
{
    auto folder = PhotoLocation::ForDownloads().CreateBlogFolder(GetBlogInfo().GetUrlName());
    if (folder.IsError())
        return folder;
    m_photoFolder = *folder;
    return folder;
}

static bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

static ErrorCode CopyStreamToFile(Stream& stream, AtomicFile& file)
{
    std::uint32_t expected = stream.GetLength();
    if (!stream.Seek(0))
        return Error::ReadFault;
    std::uint32_t copied = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    while (stream.ReadChunk(data, length)) {
        if (ErrorCode error = file.Write(data, length))
            return error;
        copied += length;
    }
    // ReadChunk answers false both at the end and on failure.
    return copied == expected ? Error::Success : Error::ReadFault;
}

ErrorCode CWinBlogStorage::SavePhoto(std::string_view fileName, std::unique_ptr<Stream>& stream)
{
    if (!stream)
        return Error::InvalidParameter;
    if (!IsPlainFileName(fileName))
        return Error::InvalidName;
    auto folder = WorkOutPhotoFolder();
    if (folder.IsError())
        return folder.GetError();
    std::string path = JoinPath(*folder, fileName);
    // Leftovers of killed saves are swept once when deferred flushes end.
    auto file = m_deferFlushes ? AtomicFile::BeginWithoutCleanup(path) : AtomicFile::Begin(path);
    if (file.IsError())
        return file.GetError();
    if (ErrorCode error = CopyStreamToFile(*stream, *file))
        return error;
    if (ErrorCode error = file->Commit(SaveFlush()))
        return error;
    if (m_deferFlushes)
        m_unflushedPhotos.push_back(path);
    auto saved = FileLargeStream::OpenExisting(path);
    if (!saved)
        return Error::FileNotFound;
    stream = std::move(saved);
    return Error::Success;
}

ErrorCode CWinBlogStorage::PurgePhotos(const std::vector<BlogEntry*>& entries)
{
    ErrorCode firstError = Error::Success;
    for (BlogEntry* entry : entries) {
        if (ErrorCode error = entry->PurgePhoto(false)) {
            if (!firstError)
                firstError = error;
            continue;
        }
        entry->SetPhotoPath("");
    }
    m_photoFolder = PhotoLocation::ForDownloads().BlogFolder(GetBlogInfo().GetUrlName());
    // Only an empty folder goes; one that still holds files stays, rightly.
    (void)RemoveEmptyFolder(m_photoFolder);
    return firstError;
}

ErrorCode CWinBlogStorage::PurgeShownPhotos()
{
    std::vector<BlogEntry*> entries;
    for (size_t i = 0; i < GetShownEntryCount(); ++i) {
        BlogEntry* entry = GetShownEntryAt(i);
        if (entry->IsOnTheWeb())
            entries.push_back(entry);
    }
    return PurgePhotos(entries);
}

ErrorCode CWinBlogStorage::PurgePublishedPhotos()
{
    std::vector<BlogEntry*> entries;
    for (auto& entry : GetEntries()) {
        if (entry->IsOnTheWeb())
            entries.push_back(entry.get());
    }
    return PurgePhotos(entries);
}

ErrorCode CWinBlogStorage::RemoveAllPhotos()
{
    std::vector<BlogEntry*> entries;
    for (auto& entry : GetEntries())
        entries.push_back(entry.get());
    return PurgePhotos(entries);
}

// PATH itself when nothing is there, else the first free NAME-n.EXT.
static std::string FreePathFor(const std::string& path)
{
    if (!PathExists(path))
        return path;
    std::string folder = ParentPath(path);
    std::string name = FileNameOf(path);
    std::string stem = FileNameWithoutExtension(name);
    std::string extension = ExtensionOf(name);
    for (int n = 2;; ++n) {
        std::string candidate = JoinPath(folder, stem + "-" + std::to_string(n) + (extension.empty() ? "" : "." + extension));
        if (!PathExists(candidate))
            return candidate;
    }
}

namespace {

struct PhotoMove {
    BlogEntry* entry;
    std::string from;
};

}

// Moves one photo into the destination's blog folder; false when there was
// nothing to move.
static ErrorOr<bool> MovePhoto(BlogEntry& entry, const PhotoLocation& destination, std::string_view urlName)
{
    std::string path = entry.GetPhotoPath();
    if (!IsRegularFile(path))
        return false;
    auto folder = destination.CreateBlogFolder(urlName);
    if (folder.IsError())
        return ErrorOr<bool>::FromError(folder.GetError());
    std::string target = JoinPath(*folder, FileNameOf(path));
    // Already where it should go: moving it onto itself would delete it.
    if (IsSameFile(path, target))
        return false;
    target = FreePathFor(target);
    if (ErrorCode error = MoveFile(path, target))
        return ErrorOr<bool>::FromError(error);
    entry.SetPhotoPath(target);
    return true;
}

ErrorCode CWinBlogStorage::MoveShownPhotos(ProgressWindow& progress, const PhotoLocation& source, const PhotoLocation& destination)
{
    std::string urlName = GetBlogInfo().GetUrlName();
    std::vector<BlogEntry*> shown;
    for (size_t i = 0; i < GetShownEntryCount(); ++i)
        shown.push_back(GetShownEntryAt(i));

    ErrorCode result = Error::Success;
    std::vector<PhotoMove> moved;
    for (BlogEntry* entry : shown) {
        if (progress.IsCancelled()) {
            result = Error::Cancelled;
            break;
        }
        progress.Step();
        const std::string& path = entry->GetPhotoPath();
        if (path.empty() || !source.Holds(path))
            continue;
        progress.SetLine(1, FileNameOf(path));
        std::string from = path;
        auto move = MovePhoto(*entry, destination, urlName);
        if (move.IsError()) {
            result = move.GetError();
            break;
        }
        if (*move)
            moved.push_back({ entry, std::move(from) });
    }
    // Only an emptied folder goes; one with photos left in it stays.
    (void)RemoveEmptyFolder(source.BlogFolder(urlName));

    ErrorCode saved = Save();
    if (saved) {
        // The file still names the old places: put the photos back there.
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            if (PathExists(it->from) || CreateFolderWithParents(ParentPath(it->from)))
                continue;
            if (MoveFile(it->entry->GetPhotoPath(), it->from) == Error::Success)
                it->entry->SetPhotoPath(it->from);
        }
        return saved;
    }
    return result;
}
