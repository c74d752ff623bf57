#include "workflows/PhotoSearch.h"

#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"
#include "platform/ProgressWindow.h"

#include <algorithm>

namespace {

// How many files or folders may pass between two looks at Cancel: each
// look handles the pending events, which costs more than a step.
constexpr unsigned kStepsPerCancelCheck = 16;

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool IsInside(const std::string& path, const std::string& folder)
{
    return path == folder || (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/');
}

}

PhotoSearch::PhotoSearch(const CWinBlogStorage& blog, ProgressWindow& progress)
    : m_progress(progress)
{
    const auto& entries = blog.GetEntries();
    for (size_t i = 0; i < entries.GetSize(); ++i) {
        const BlogEntry& entry = *entries.GetAt(i);
        // A deleted entry's photo may be picked again.
        if (entry.GetPhotoState() != BlogEntry::kPhotoStateGone && !entry.GetPhotoPath().empty())
            m_blogPhotos.insert(LowerCase(entry.GetPhotoPath()));
    }
}

std::vector<std::string> PhotoSearch::DeviceFolders()
{
    const ::DeviceFolders& device = ::DeviceFolders::Current();
    std::vector<std::string> folders { device.PersonalFolder() };
    for (const std::string& card : device.StorageCards()) {
        folders.push_back(JoinPath(card, "DCIM"));
        folders.push_back(JoinPath(card, "My Documents"));
    }
    if (!IsInside(device.PicturesFolder(), device.PersonalFolder()))
        folders.push_back(device.PicturesFolder());
    return folders;
}

bool PhotoSearch::IsPhotoName(std::string_view name)
{
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string_view extension = name.substr(dot + 1);
    return EqualsIgnoringCase(extension, "jpg") || EqualsIgnoringCase(extension, "jpeg");
}

bool PhotoSearch::BlogHas(const std::string& path) const
{
    return m_blogPhotos.contains(LowerCase(path));
}

void PhotoSearch::InsertByTime(std::vector<CImageItem>& items, CImageItem item)
{
    // The first item older than the new one: the new one goes before it,
    // after every item of its own time.
    auto place = std::upper_bound(items.begin(), items.end(), item.created, [](const FileTime& time, const CImageItem& other) {
        return time > other.created;
    });
    items.insert(place, std::move(item));
}

bool PhotoSearch::Search(const std::string& folder)
{
    if (m_cancelled)
        return false;
    m_tree.Walk(folder, [this](const FolderTreeEntry& entry) { return Visit(entry); });
    return !m_cancelled;
}

FolderTree::Answer PhotoSearch::Visit(const FolderTreeEntry& entry)
{
    if (entry.isFolder)
        m_progress.SetLine(1, entry.path);
    m_progress.Step();
    if (++m_seen % kStepsPerCancelCheck == 0 && m_progress.IsCancelled()) {
        m_cancelled = true;
        return FolderTree::Answer::Stop;
    }
    if (entry.isFolder || !IsPhotoName(entry.name) || BlogHas(entry.path))
        return FolderTree::Answer::Continue;
    ProgramTime time = ProgramTimeFromUnixTime(static_cast<std::time_t>(entry.created.seconds));
    InsertByTime(m_items, { entry.path, time, entry.created });
    return FolderTree::Answer::Continue;
}
