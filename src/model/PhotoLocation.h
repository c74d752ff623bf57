#pragma once

#include "platform/ErrorOr.h"

#include <string>
#include <string_view>

// Where the device keeps photos: its internal storage or a storage card.
// A location is named the way the move-photos dialog names it: "\" for the
// internal storage, else the card's root folder. The folders behind the
// names come from DeviceFolders (InternalStorageFolder, StorageCards).
class PhotoLocation {
public:
    static constexpr std::string_view kInternalStorageName = "\\";

    static PhotoLocation InternalStorage() { return PhotoLocation(std::string(kInternalStorageName)); }
    static PhotoLocation StorageCard(std::string rootFolder) { return PhotoLocation(std::move(rootFolder)); }
    static PhotoLocation FromName(std::string_view name) { return PhotoLocation(std::string(name)); }
    // Where downloaded photos go: the first storage card when there is
    // one, else the internal storage.
    static PhotoLocation ForDownloads();

    bool IsInternalStorage() const { return m_name == kInternalStorageName; }
    const std::string& GetName() const { return m_name; }
    bool operator==(const PhotoLocation&) const = default;

    // The folder the location stands for.
    std::string RootFolder() const;
    // Whether a photo path lies inside the location (the folder compared
    // without regard to case, as the device's file system does).
    bool Holds(std::string_view photoPath) const;
    // The folder under which each blog has its photo folder: the card's
    // "DCIM", or the pictures folder of the internal storage.
    std::string BaseFolder() const;
    // BASE/URL-NAME, with the URL name made safe as one folder name.
    std::string BlogFolder(std::string_view urlName) const;
    // The blog folder, made (one level at a time) when missing.
    ErrorOr<std::string> CreateBlogFolder(std::string_view urlName) const;

private:
    explicit PhotoLocation(std::string name)
        : m_name(std::move(name))
    {
    }

    std::string m_name;
};
