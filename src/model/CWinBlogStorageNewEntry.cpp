#include "model/CWinBlogStorage.h"

#include "platform/Clock.h"
#include "platform/FileSystem.h"

ErrorOr<BlogEntry*> CWinBlogStorage::NewEntryFromPhotoFile(const std::string& path)
{
    auto modified = LastWriteTimeOf(path);
    if (modified.IsError())
        return ErrorOr<BlogEntry*>::FromError(modified.GetError());
    ProgramTime date = ProgramTimeFromUnixTime(*modified);

    auto entry = NewEntry();
    std::uint32_t filter = GetCategoryFilter();
    entry->SetCategoryId(filter >= BlogIds::AllCategoriesLow ? BlogIds::Unfiled : filter);
    entry->SetPostDate(date);
    entry->SetTakenDate(date);
    if (ErrorCode error = entry->AttachPhoto(path, BlogEntry::kPhotoStateOnDevice))
        return ErrorOr<BlogEntry*>::FromError(error);
    entry->SetPending(true);
    return &InsertEntry(std::move(entry));
}
