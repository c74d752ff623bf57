#include "model/CWinBlogStorage.h"

#include "app/Messages.h"
#include "model/CWinBlogAlbum.h"
#include "model/CWinBlogComment.h"
#include "model/CWinBlogEntry.h"
#include "platform/AtomicFile.h"
#include "platform/Path.h"

#include <set>

CWinBlogStorage::CWinBlogStorage(std::string_view dataFolder, std::string_view urlName)
    : m_file(JoinPath(dataFolder, FileNameFor(urlName)))
{
    GetBlogInfo().SetUrlName(urlName);
}

std::string CWinBlogStorage::FileNameFor(std::string_view urlName)
{
    std::string name(urlName);
    for (char& c : name) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    return name + "." + std::string(kFileExtension);
}

const RuntimeClass& CWinBlogStorage::Class()
{
    static const RuntimeClass runtimeClass {
        "CWinBlogStorage",
        0,
        nullptr, // never read as a tagged object
    };
    return runtimeClass;
}

ErrorCode CWinBlogStorage::Load()
{
    ErrorCode error = m_file.Load([this](Archive& archive) { Serialize(archive); });
    // The file is named after the blog, so a store that lost its URL name
    // can still be found, shown and synced under it.
    if (error && GetBlogInfo().GetUrlName().empty())
        GetBlogInfo().SetUrlName(FileNameWithoutExtension(GetFilePath()));
    return error;
}

ErrorCode CWinBlogStorage::Save()
{
    ErrorCode error = m_file.Save([this](Archive& archive) { Serialize(archive); }, SaveFlush());
    if (error) {
        ShowStringMessage(kSaveFailedMessage, MessageIcon::Error);
        return error;
    }
    SetFormatVersion(kFormatVersion);
    return Error::Success;
}

ErrorCode CWinBlogStorage::FlushSaves()
{
    m_deferFlushes = false;
    std::set<std::string> photoFolders;
    for (const std::string& path : m_unflushedPhotos)
        photoFolders.insert(ParentPath(path));
    for (const std::string& folder : photoFolders)
        AtomicFile::RemoveLeftoversIn(folder);
    ErrorCode error = Error::Success;
    for (const std::string& path : m_unflushedPhotos) {
        // A photo replaced or deleted since is no longer named by the store.
        ErrorCode flushed = AtomicFile::FlushToDisk(path);
        if (flushed && flushed != Error::FileNotFound && !error)
            error = flushed;
    }
    m_unflushedPhotos.clear();
    if (ErrorCode flushed = m_file.FlushToDisk(); flushed && !error)
        error = flushed;
    if (error)
        ShowStringMessage(kSaveFailedMessage, MessageIcon::Error);
    return error;
}

std::unique_ptr<BlogAlbum> CWinBlogStorage::NewCategory() const
{
    return std::make_unique<CWinBlogAlbum>();
}

std::unique_ptr<BlogEntry> CWinBlogStorage::NewEntry() const
{
    return std::make_unique<CWinBlogEntry>();
}

std::unique_ptr<BlogComment> CWinBlogStorage::NewComment() const
{
    return std::make_unique<CWinBlogComment>();
}

const RuntimeClass& CWinBlogStorage::EntryClass() const
{
    return CWinBlogEntry::Class();
}

const RuntimeClass& CWinBlogStorage::CategoryClass() const
{
    return CWinBlogAlbum::Class();
}

const RuntimeClass& CWinBlogStorage::CommentClass() const
{
    return CWinBlogComment::Class();
}
