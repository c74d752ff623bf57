#include "model/PhotoLocation.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

static constexpr std::string_view kCardPhotoFolder = "DCIM";

PhotoLocation PhotoLocation::ForDownloads()
{
    auto cards = DeviceFolders::Current().StorageCards();
    if (cards.empty())
        return InternalStorage();
    return StorageCard(cards.front());
}

std::string PhotoLocation::RootFolder() const
{
    if (IsInternalStorage())
        return DeviceFolders::Current().InternalStorageFolder();
    return m_name;
}

bool PhotoLocation::Holds(std::string_view photoPath) const
{
    std::string root = RootFolder();
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    if (root.empty() || !StartsWithIgnoringCase(photoPath, root))
        return false;
    // Inside the folder, not merely beginning with its name.
    return root == "/" || (photoPath.size() > root.size() && photoPath[root.size()] == '/');
}

std::string PhotoLocation::BaseFolder() const
{
    if (IsInternalStorage())
        return DeviceFolders::Current().PicturesFolder();
    return JoinPath(m_name, kCardPhotoFolder);
}

// A URL name is the service's text; as a folder name it must stay one
// level below the base folder.
static std::string SafeFolderName(std::string_view urlName)
{
    std::string name(urlName);
    for (char& c : name) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    if (name.empty() || name == "." || name == "..")
        name = "_" + name;
    return name;
}

std::string PhotoLocation::BlogFolder(std::string_view urlName) const
{
    return JoinPath(BaseFolder(), SafeFolderName(urlName));
}

ErrorOr<std::string> PhotoLocation::CreateBlogFolder(std::string_view urlName) const
{
    if (ErrorCode error = CreateFolder(BaseFolder()))
        return ErrorOr<std::string>::FromError(error);
    std::string folder = BlogFolder(urlName);
    if (ErrorCode error = CreateFolder(folder))
        return ErrorOr<std::string>::FromError(error);
    return folder;
}
