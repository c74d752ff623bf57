#pragma once

#include "model/ArchiveFile.h"
#include "model/LocalBlogStorage.h"
#include "model/PhotoLocation.h"

#include <string>
#include <string_view>
#include <vector>

class ProgressWindow;

// The device's blog store: a LocalBlogStorage kept in the file
// DATA-FOLDER/URL-NAME.vxl, with CWinBlogEntry, CWinBlogAlbum and
// CWinBlogComment records, and the blog's photos in the photo folders of
// the device (PhotoLocation).
class CWinBlogStorage : public LocalBlogStorage {
public:
    static constexpr std::string_view kFileExtension = "vxl";
    // String 6002, shown when a store or the user file cannot be saved.
    static constexpr unsigned kSaveFailedMessage = 6002;

    // An empty store; the file path is set afterwards (stores found on the
    // device).
    CWinBlogStorage() = default;
    // A new store for a blog: its file is in the data folder, named after
    // the URL name, which the descriptor takes.
    CWinBlogStorage(std::string_view dataFolder, std::string_view urlName);

    // The file name of a blog's store: the URL name, unchanged except that
    // "/" and NUL (which cannot be part of a file name, and would lead out
    // of the data folder) become "_", then ".vxl".
    static std::string FileNameFor(std::string_view urlName);

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }

    // A missing file leaves the store empty. A damaged file is reported: the
    // store keeps the records read completely before the damage (and the
    // URL name from the file name if it could not be read), the file itself
    // is not touched, and the first save keeps it aside first.
    ErrorCode Load() override;
    // Atomic replacement of the file; on failure message 6002 is shown, the
    // old file stays and the system's code is returned.
    ErrorCode Save() override;
    // From here on, saves of the store and of downloaded photos are
    // renamed into place at once but left to the kernel to write out (see
    // CommitFlush::Later), until FlushSaves(): the saves of one exchange
    // with the service, one after every request the service accepted, are
    // made durable together at its end.
    void DeferFlushes() { m_deferFlushes = true; }
    // Puts what was saved since DeferFlushes() on the disk, the photos
    // before the store that names them, and ends the deferral; on failure
    // message 6002 is shown.
    ErrorCode FlushSaves();

    std::unique_ptr<BlogAlbum> NewCategory() const override;
    std::unique_ptr<BlogEntry> NewEntry() const override;
    std::unique_ptr<BlogComment> NewComment() const override;

    // The file goes in the photo folder worked out afresh; it is written
    // beside its final name and renamed into place, so that a failed
    // download leaves an older file of that name as it was. A name that
    // is not a plain file name (empty, "." or "..", or with "/") is refused
    // with Error::InvalidName.
    ErrorCode SavePhoto(std::string_view fileName, std::unique_ptr<Stream>& stream) override;

    bool ShouldCheckMessages(bool force, std::uint32_t& noteNumber, std::string& versionText) override;
    bool ShowNewVersion(std::string_view version) override;
    bool ShowNote(std::uint32_t noteNumber, std::string_view noteText, std::string_view secondText) override;
    void SetLastMessageCheck(int flag) override;
    void ShowWarning(std::string_view format, std::initializer_list<FormatArgument> arguments = {}) override;
    const std::string& GetErrorText(ErrorCode code) override;

    // A new pending entry for a photo file of the device, inserted at its
    // place: its category is the category filter's (Unfiled when the filter
    // lets all categories pass), its post and taken dates the file's date,
    // the photo attached with state 7 (and a thumbnail unless the photo
    // cannot be decoded). A file that is not a JPEG at all is refused with
    // Error::InvalidJpegPhoto, one that cannot be read with its code; the
    // store is then unchanged. The caller saves.
    ErrorOr<BlogEntry*> NewEntryFromPhotoFile(const std::string& path);

    // Works out where this blog's downloaded photos go now (a card may
    // have been inserted since the last time), makes the folder and
    // remembers it.
    ErrorOr<std::string> WorkOutPhotoFolder();
    // Deletes the photo files of the shown entries (missing files are no
    // error) and empties their paths; the thumbnails stay. Entries that
    // were never published keep their photo, which has no other copy and
    // without which they could never be sent. The blog's photo folder is
    // removed when that leaves it empty. Returns the first failure; the
    // other photos are purged all the same. The caller saves.
    ErrorCode PurgeShownPhotos();
    // The same for every entry on the web, whatever the filters (the blog
    // is to keep thumbnails only from now on); entries never published keep
    // their photo here too.
    ErrorCode PurgePublishedPhotos();
    // The same for every entry, whatever the filters and whether published
    // or not (the blog is being removed from the device with its photos).
    ErrorCode RemoveAllPhotos();
    // Moves the photos of the shown entries that lie in `source` into the
    // blog's photo folder of `destination`, in store order, one step of the
    // progress window each, stopping with Error::Cancelled when the user
    // cancels and with the system's code when a move fails. A photo never
    // replaces another file: it takes a free name (NAME-2.jpg, ...) when
    // its own is taken. Afterwards the source's blog folder is removed when
    // empty and the store is saved, so the photos moved so far keep their
    // new paths; when that save fails they are moved back.
    ErrorCode MoveShownPhotos(ProgressWindow& progress, const PhotoLocation& source, const PhotoLocation& destination);

    const std::string& GetFilePath() const { return m_file.GetPath(); }
    void SetFilePath(std::string path) { m_file.SetPath(std::move(path)); }
    // The folder where photos of this blog are downloaded, as last worked
    // out.
    const std::string& GetPhotoFolder() const { return m_photoFolder; }
    void SetPhotoFolder(std::string folder) { m_photoFolder = std::move(folder); }

    // What the last load found.
    bool WasFileFound() const { return m_file.WasFound(); }
    const std::optional<ArchiveDamage>& GetLoadDamage() const { return m_file.GetDamage(); }
    const std::string& GetPreservedCopyPath() const { return m_file.GetPreservedCopyPath(); }

protected:
    const RuntimeClass& EntryClass() const override;
    const RuntimeClass& CategoryClass() const override;
    const RuntimeClass& CommentClass() const override;

private:
    CommitFlush SaveFlush() const { return m_deferFlushes ? CommitFlush::Later : CommitFlush::ToDisk; }
    // Deletes the photos of these entries, keeping the paths whose file
    // could not be deleted; then removes the empty blog photo folder.
    ErrorCode PurgePhotos(const std::vector<BlogEntry*>& entries);

    ArchiveFile m_file;
    std::string m_photoFolder;
    std::string m_errorText;
    bool m_deferFlushes { false };
    // Photos saved since DeferFlushes(), still to be put on the disk.
    std::vector<std::string> m_unflushedPhotos;
};
