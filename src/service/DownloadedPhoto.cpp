#include "service/DownloadedPhoto.h"

#include "model/PhotoLocation.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"

namespace {

bool LiesIn(std::string_view path, std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return path.size() > folder.size() && StartsWithIgnoringCase(path, folder) && path[folder.size()] == '/';
}

}

bool IsDownloadedPhoto(const BlogEntry& entry, std::string_view blogUrlName)
{
    const std::string& path = entry.GetPhotoPath();
    if (path.empty() || blogUrlName.empty())
        return false;
    if (LiesIn(path, PhotoLocation::InternalStorage().BlogFolder(blogUrlName)))
        return true;
    for (const std::string& card : DeviceFolders::Current().StorageCards()) {
        if (LiesIn(path, PhotoLocation::StorageCard(card).BlogFolder(blogUrlName)))
            return true;
    }
    return false;
}
