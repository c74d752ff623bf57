#pragma once

#include "model/ArchiveFile.h"
#include "model/LocalBlogStorage.h"

#include <string>
#include <string_view>

// The device's blog store: a LocalBlogStorage kept in the file
// DATA-FOLDER/URL-NAME.vxl, with CWinBlogEntry, CWinBlogAlbum and
// CWinBlogComment records.
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

    std::unique_ptr<BlogAlbum> NewCategory() const override;
    std::unique_ptr<BlogEntry> NewEntry() const override;
    std::unique_ptr<BlogComment> NewComment() const override;

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
    ArchiveFile m_file;
    std::string m_photoFolder;
};
