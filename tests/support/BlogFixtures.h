#pragma once

#include "model/CWinBlogUser.h"

#include <cstdint>
#include <string>
#include <vector>

// Blogs and entries for the view tests and benchmarks, made through the
// store's own operations, with real JPEG thumbnails.

// A 96 x 96 entry thumbnail as the store keeps it: a photo-like picture
// saved as a JPEG of quality 80. The same seed gives the same picture.
std::vector<std::uint8_t> MakeThumbnailJpeg(std::uint32_t seed);

// A photo-like JPEG file of the given size, written at `path`.
void WritePhotoFile(const std::string& path, int width, int height, std::uint32_t seed = 1);

// Gives `user` the login of the account "ann@example.com" with this user
// id and saves the user file; whether it was saved.
bool SaveAccount(CWinBlogUser& user, std::uint32_t userId);

struct BlogSpec {
    std::string urlName;
    std::string title {};
    std::string subtitle;
    bool groupBlog { false };
    bool readOnly { false };
    std::uint32_t ownerId { 0 };
};

// A new blog in the user's data folder, saved and put in the user's list.
CWinBlogStorage& AddBlog(CWinBlogUser& user, const BlogSpec& spec);

struct EntrySpec {
    std::string title {};
    std::string caption {};
    std::string author {};
    std::uint32_t postDate { 0 };
    std::uint32_t serverId { 0 };
    std::uint32_t posterId { 0 };
    std::uint32_t categoryId { 0 };
    bool pending { false };
    bool isNew { false };
    bool newComments { false };
    // A thumbnail of this seed; none below 0.
    int thumbnailSeed { 1 };
    std::string photoPath {};
};

// A new entry put at its place in the store (not saved).
BlogEntry& AddEntry(CWinBlogStorage& store, const EntrySpec& spec);

// A category with a service id (not saved).
BlogAlbum& AddCategory(CWinBlogStorage& store, std::uint32_t id, const std::string& name);
