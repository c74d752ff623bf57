#include "server/photos/PhotoStore.h"

#include "server/photos/PictureFitting.h"
#include "server/storage/Users.h"

#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <charconv>
#include <cstdio>
#include <openssl/rand.h>

namespace {

constexpr size_t KeyLength = 12;

struct VariantShape {
    const char* suffix;
    int longSide;
    int shortSide;
    int quality;
};

VariantShape ShapeOf(PhotoVariant variant)
{
    switch (variant) {
    case PhotoVariant::Picture:
        return { "-p", 480, 360, 85 };
    case PhotoVariant::Thumbnail:
        return { "-t", 160, 120, 80 };
    case PhotoVariant::FullSize:
        break;
    }
    return { "", 0, 0, 0 };
}

bool IsKeyText(std::string_view key)
{
    if (key.size() != KeyLength)
        return false;
    for (char c : key) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool IsBlogNameText(std::string_view name)
{
    if (name.empty() || name.size() > 64)
        return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'))
            return false;
    }
    return true;
}

// The sizes and qualities devices ask the scaler for: the only ones kept.
bool IsCachedScale(int longSide, int quality)
{
    return (longSide == 176 && quality == 80) || (longSide == 240 && quality == 85) || (longSide == 320 && quality == 90)
        || (longSide == 640 && quality == 90);
}

ErrorOr<std::string> ReadPicture(const std::string& path)
{
    return ReadWholeFile(path);
}

}

std::string PhotoStore::NewKey()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[KeyLength];
    if (RAND_bytes(random, sizeof random) != 1)
        return {};
    std::string key;
    for (unsigned char byte : random)
        key += alphabet[byte % 36];
    return key;
}

std::string PhotoStore::AddressPath(std::string_view blogName, std::uint32_t entryId, std::string_view key, PhotoVariant variant)
{
    return "/photos/" + LowerAscii(blogName) + "/" + std::to_string(entryId) + "-" + std::string(key) + ShapeOf(variant).suffix + ".jpg";
}

std::optional<PhotoAddress> PhotoStore::ParseAddressPath(std::string_view path)
{
    constexpr std::string_view prefix = "photos/";
    if (path.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    path.remove_prefix(prefix.size());
    size_t slash = path.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    PhotoAddress address;
    address.blogName = std::string(path.substr(0, slash));
    std::string_view file = path.substr(slash + 1);
    if (!IsBlogNameText(address.blogName) || file.size() < 4 || file.substr(file.size() - 4) != ".jpg")
        return std::nullopt;
    file.remove_suffix(4);
    if (file.size() > 2 && (file.substr(file.size() - 2) == "-p" || file.substr(file.size() - 2) == "-t")) {
        address.variant = file.back() == 'p' ? PhotoVariant::Picture : PhotoVariant::Thumbnail;
        file.remove_suffix(2);
    }
    size_t dash = file.find('-');
    if (dash == std::string_view::npos || dash == 0)
        return std::nullopt;
    std::string_view id = file.substr(0, dash);
    auto parsed = std::from_chars(id.data(), id.data() + id.size(), address.entryId);
    if (parsed.ec != std::errc() || parsed.ptr != id.data() + id.size() || id[0] == '0')
        return std::nullopt;
    address.key = std::string(file.substr(dash + 1));
    if (!IsKeyText(address.key))
        return std::nullopt;
    return address;
}

std::string PhotoStore::BlogFolder(std::string_view blogName) const
{
    return JoinPath(m_root, LowerAscii(blogName));
}

std::string PhotoStore::OriginalPath(std::string_view blogName, std::string_view key) const
{
    return JoinPath(BlogFolder(blogName), std::string(key) + ".jpg");
}

ErrorCode PhotoStore::StoreOriginal(std::string_view blogName, std::string_view key, std::string_view jpeg)
{
    if (ErrorCode code = CreateFolderWithParents(BlogFolder(blogName)); code != Error::Success)
        return code;
    return WriteFileAtomically(OriginalPath(blogName, key), jpeg.data(), jpeg.size(), 0644);
}

void PhotoStore::RemovePhoto(std::string_view blogName, std::string_view key)
{
    std::string folder = BlogFolder(blogName);
    auto remove = [&](const std::string& path) {
        if (DeleteFileIfExists(path) != Error::Success)
            std::fprintf(stderr, "vellumbrix-server: could not delete %s\n", path.c_str());
    };
    remove(OriginalPath(blogName, key));
    for (const char* sub : { "derived", "scaled" }) {
        std::string subFolder = JoinPath(folder, sub);
        auto entries = ListFolder(subFolder);
        if (entries.IsError())
            continue;
        for (const DirectoryEntry& entry : *entries) {
            if (entry.name.compare(0, key.size(), key) == 0)
                remove(JoinPath(subFolder, entry.name));
        }
    }
}

ErrorOr<std::string> PhotoStore::VariantFile(std::string_view blogName, std::string_view key, PhotoVariant variant)
{
    std::string original = OriginalPath(blogName, key);
    if (variant == PhotoVariant::FullSize)
        return original;
    VariantShape shape = ShapeOf(variant);
    std::string folder = JoinPath(BlogFolder(blogName), "derived");
    std::string path = JoinPath(folder, std::string(key) + shape.suffix + ".jpg");
    if (IsRegularFile(path))
        return path;
    auto jpeg = ReadPicture(original);
    if (jpeg.IsError())
        return jpeg.GetError();
    auto size = CheckDecodablePicture(*jpeg);
    if (size.IsError())
        return size.GetError();
    if (ErrorCode code = CreateFolderWithParents(folder); code != Error::Success)
        return code;
    PictureSize fitted = FittedSize(*size, shape.longSide, shape.shortSide);
    // A photo that fits already is served as it came, unchanged.
    ErrorCode code = fitted.width == size->width && fitted.height == size->height
        ? WriteFileAtomically(path, jpeg->data(), jpeg->size(), 0644)
        : WriteScaledPicture(*jpeg, fitted, shape.quality, path);
    if (code != Error::Success)
        return code;
    return path;
}

ErrorOr<std::string> PhotoStore::ScaledPicture(std::string_view blogName, std::string_view key, PhotoVariant variant, int longSide, int quality)
{
    auto source = VariantFile(blogName, key, variant);
    if (source.IsError())
        return source.GetError();
    auto jpeg = ReadPicture(*source);
    if (jpeg.IsError())
        return jpeg;
    auto size = CheckDecodablePicture(*jpeg);
    if (size.IsError())
        return size.GetError();
    PictureSize fitted = FittedSize(*size, longSide, longSide);
    if (fitted.width == size->width && fitted.height == size->height)
        return jpeg; // never enlarged
    bool cached = IsCachedScale(longSide, quality);
    std::string folder = JoinPath(BlogFolder(blogName), "scaled");
    std::string name = std::string(key) + ShapeOf(variant).suffix + "-" + std::to_string(longSide) + "-" + std::to_string(quality) + ".jpg";
    // A size nobody else will ask for is made in a file of its own and
    // forgotten after this answer.
    std::string path = JoinPath(folder, cached ? name : name + "." + NewKey() + ".once");
    if (cached && IsRegularFile(path))
        return ReadPicture(path);
    if (ErrorCode code = CreateFolderWithParents(folder); code != Error::Success)
        return code;
    if (ErrorCode code = WriteScaledPicture(*jpeg, fitted, quality, path); code != Error::Success)
        return code;
    auto picture = ReadPicture(path);
    if (!cached && DeleteFileIfExists(path) != Error::Success)
        std::fprintf(stderr, "vellumbrix-server: could not delete %s\n", path.c_str());
    return picture;
}
