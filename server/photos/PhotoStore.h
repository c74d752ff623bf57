#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The photos of every entry, as files under one folder (the data folder's
// "photos", or --photos): for each blog a folder named after its URL name in
// lower case, holding each entry's uploaded photo as KEY.jpg (its location
// already removed), the smaller pictures made from it in "derived", and the
// scaler's cached pictures in "scaled". KEY is random, so that the address
// of a photo of a hidden or protected blog can't be guessed.
//
// Addresses: /photos/BLOG/ID-KEY.jpg (full size), ID-KEY-p.jpg (the picture
// within 480 x 360) and ID-KEY-t.jpg (the thumbnail within 160 x 120). The
// last part is unique within the blog, and devices name their copy of the
// photo after it.

enum class PhotoVariant {
    FullSize,
    Picture,
    Thumbnail,
};

struct PhotoAddress {
    std::string blogName;
    std::uint32_t entryId { 0 };
    std::string key;
    PhotoVariant variant { PhotoVariant::FullSize };
};

// The scaler's largest side and its quality range.
constexpr int MaximumScaledSide = 4096;

class PhotoStore {
public:
    explicit PhotoStore(std::string root)
        : m_root(std::move(root))
    {
    }

    const std::string& Root() const { return m_root; }

    static std::string NewKey();
    static std::string AddressPath(std::string_view blogName, std::uint32_t entryId, std::string_view key, PhotoVariant variant);
    // Reads "photos/BLOG/ID-KEY[-p|-t].jpg" (without the leading "/").
    static std::optional<PhotoAddress> ParseAddressPath(std::string_view path);

    // Writes an uploaded photo (its location removed by the caller).
    ErrorCode StoreOriginal(std::string_view blogName, std::string_view key, std::string_view jpeg);
    // Removes every file of the photo; failures are logged, not returned,
    // because the entry is gone either way.
    void RemovePhoto(std::string_view blogName, std::string_view key);

    // The file that holds a variant, made from the original on first use.
    ErrorOr<std::string> VariantFile(std::string_view blogName, std::string_view key, PhotoVariant variant);

    // The scaler: the variant with its long side shrunk to longSide at the
    // quality. The sizes devices ask for are cached on disk; other sizes
    // are made for the one answer.
    ErrorOr<std::string> ScaledPicture(std::string_view blogName, std::string_view key, PhotoVariant variant, int longSide, int quality);

private:
    std::string BlogFolder(std::string_view blogName) const;
    std::string OriginalPath(std::string_view blogName, std::string_view key) const;

    std::string m_root;
};
