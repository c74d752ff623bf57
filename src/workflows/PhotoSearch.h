#pragma once

#include "platform/FolderTree.h"
#include "workflows/CImageItem.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class CWinBlogStorage;
class ProgressWindow;

// The photo picker's search: the JPEG files of some folders and all their
// subfolders that the blog does not have yet, newest first. Status line 1
// of the progress window names the folder being searched, and its Step
// runs once per file or folder seen; a Cancel there ends the search, which
// keeps what it found until then.
class PhotoSearch {
public:
    PhotoSearch(const CWinBlogStorage& blog, ProgressWindow& progress);

    // The folders the picker searches on this device: the personal folder,
    // the "DCIM" and "My Documents" folders of every storage card, and the
    // pictures folder when the device keeps it outside the personal folder
    // (as the desktop does).
    static std::vector<std::string> DeviceFolders();

    // Whether a file name is a JPEG photo's: its extension (the text after
    // the last ".") is "jpg" or "jpeg", in any case.
    static bool IsPhotoName(std::string_view name);

    // Searches a folder with all its subfolders; a folder that does not
    // exist is skipped. False once the user has cancelled.
    bool Search(const std::string& folder);
    bool WasCancelled() const { return m_cancelled; }

    // What was found, newest first.
    std::vector<CImageItem> TakeItems() { return std::move(m_items); }

    // Puts an item at its place in a list kept newest first; an item as old
    // as some already there goes after them.
    static void InsertByTime(std::vector<CImageItem>& items, CImageItem item);

private:
    FolderTree::Answer Visit(const FolderTreeEntry& entry);
    bool BlogHas(const std::string& path) const;

    ProgressWindow& m_progress;
    // The photo paths of the blog's entries that are not marked deleted,
    // in lower case, for comparing without regard to case.
    std::unordered_set<std::string> m_blogPhotos;
    FolderTree m_tree;
    std::vector<CImageItem> m_items;
    unsigned m_seen { 0 };
    bool m_cancelled { false };
};
