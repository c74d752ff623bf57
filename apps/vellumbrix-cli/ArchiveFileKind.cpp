#include "ArchiveFileKind.h"
#include "CliCommand.h"

#include "platform/Path.h"

ArchiveFileKind ArchiveFileKindOf(const std::string& path)
{
    std::string extension = ExtensionOf(path);
    if (EqualsIgnoringCase(extension, CWinBlogStorage::kFileExtension))
        return ArchiveFileKind::BlogStore;
    if (EqualsIgnoringCase(extension, CWinBlogUser::kFileExtension))
        return ArchiveFileKind::UserFile;
    return ArchiveFileKind::Unknown;
}

static int ReportLoadFailure(const std::string& path, bool found, const std::optional<ArchiveDamage>& damage)
{
    if (!found)
        return Failure(path + ": no such file");
    // A folder, a FIFO, a file without read permission: no damage, and not
    // to be called so.
    if (damage && damage->kind == ArchiveDamage::Kind::CannotOpen)
        return Failure(path + ": " + SystemErrorText(damage->error));
    if (damage)
        return Failure(path + " is damaged: " + damage->Describe());
    return Failure(path + " could not be read");
}

std::unique_ptr<CWinBlogStorage> LoadStoreFile(const std::string& path, int& status)
{
    auto store = std::make_unique<CWinBlogStorage>();
    store->SetFilePath(path);
    ErrorCode error = store->Load();
    if (error || !store->WasFileFound()) {
        status = ReportLoadFailure(path, store->WasFileFound(), store->GetLoadDamage());
        return nullptr;
    }
    status = ExitSuccess;
    return store;
}

std::unique_ptr<CWinBlogUser> LoadUserFile(const std::string& path, int& status)
{
    // The folder of the file stands in for the data folder; it exists.
    auto user = std::make_unique<CWinBlogUser>(ParentPath(path));
    user->SetFilePath(path);
    ErrorCode error = user->ReadUserFile();
    if (error || !user->WasFileFound()) {
        status = ReportLoadFailure(path, user->WasFileFound(), user->GetLoadDamage());
        return nullptr;
    }
    status = ExitSuccess;
    return user;
}
