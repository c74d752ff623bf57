#include "BlogCommandHelpers.h"
#include "CliCommand.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "imaging/JpegDecoder.h"
#include "imaging/JpegImage.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <iostream>
#include <set>

static constexpr StringId kNoPermissionMessage = 169;
static constexpr StringId kUnfiledName = 166;

// Whether the file can become an entry: it is there and is a JPEG file at
// all (a start-of-image marker); one the decoder cannot handle still can.
static int CheckPhotoFile(const std::string& path)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return Failure("add-photo: " + path + ": " + SystemErrorText(file.GetError()));
    JpegImage image(*file);
    JpegInfo info;
    if (image.ReadInfo(info) == Error::JpegInvalid)
        return Failure("add-photo: " + path + ": " + ErrorText(Error::InvalidJpegPhoto));
    return ExitSuccess;
}

// Why a new entry got no thumbnail. The thumbnail is made in memory, so
// apart from the picture itself and memory only reading the file can fail.
static std::string WhyNoThumbnail(ErrorCode error)
{
    if (IsJpegDecoderError(error))
        return "the photo cannot be decoded (" + ErrorText(error) + ")";
    if (error == Error::BitmapAllocationFailed || error == Error::NotEnoughMemory || error == Error::OutOfMemory)
        return "there is not enough memory to make its thumbnail";
    return "its thumbnail cannot be made: " + SystemErrorText(error);
}

// The category a --category NAME names: a category of the blog, or
// "Unfiled"; none when there is no such category.
static std::optional<std::uint32_t> CategoryNamed(const CWinBlogStorage& store, const std::string& name)
{
    if (BlogAlbum* category = store.FindCategoryByName(name))
        return category->GetId();
    if (EqualsIgnoringCase(name, LoadString(kUnfiledName)))
        return BlogIds::Unfiled;
    return std::nullopt;
}

// vellumbrix-cli add-photo BLOG FILE... [--title T] [--caption C]
// [--category NAME]: the Add Photo command. One new pending entry per
// file, made as the camera or the photo picker would make it, then the
// options applied; the store is saved once, after all of them. Refused with
// message 169 when the user may not add to the blog; a file that is missing
// or not a JPEG file at all refuses the whole command before anything is
// added.
int RunAddPhotoCommand(CliArguments& arguments)
{
    auto title = arguments.TakeOption("--title");
    auto caption = arguments.TakeOption("--caption");
    auto categoryName = arguments.TakeOption("--category");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("add-photo", arguments.Error());
    if (positional.size() < 2)
        return UsageError("add-photo", "give the blog and at least one photo file");

    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("add-photo", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;
    if (store.IsReadOnly(nullptr)) {
        ShowStringMessage(kNoPermissionMessage, MessageIcon::Information);
        return ExitFailure;
    }
    std::optional<std::uint32_t> categoryId;
    if (categoryName && !(categoryId = CategoryNamed(store, *categoryName)))
        return Failure("add-photo: the blog has no category '" + *categoryName + "' (see vellumbrix-cli categories)");

    std::vector<std::string> paths;
    for (size_t i = 1; i < positional.size(); ++i) {
        paths.push_back(AbsolutePath(positional[i]));
        if (int checked = CheckPhotoFile(paths.back()))
            return checked;
    }

    std::vector<BlogEntry*> added;
    for (auto& path : paths) {
        auto entry = store.NewEntryFromPhotoFile(path);
        // Nothing is saved: the store file stays as it was.
        if (entry.IsError())
            return Failure("add-photo: " + path + ": " + ErrorText(entry.GetError()) + "; nothing was added");
        if ((*entry)->GetThumbnailSize() == 0)
            std::cerr << "add-photo: " << path << ": " << WhyNoThumbnail((*entry)->GetThumbnailError()) << "; its entry has no thumbnail\n";
        if (title)
            (*entry)->SetTitle(*title);
        if (caption)
            (*entry)->SetCaption(*caption);
        if (categoryId)
            (*entry)->SetCategoryId(*categoryId);
        added.push_back(*entry);
    }
    if (int saved = SaveStore(store))
        return saved;

    // In store order, which is the order of their dates.
    std::set<const BlogEntry*> isNew(added.begin(), added.end());
    PrintJson(IndexedEntriesJson(store, [&](const BlogEntry& entry) { return isNew.contains(&entry); }));
    return ExitSuccess;
}
