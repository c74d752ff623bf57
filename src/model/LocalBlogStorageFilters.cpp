#include "model/LocalBlogStorage.h"

void LocalBlogStorage::SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter)
{
    if (categoryFilter == m_categoryFilter && statusFilter == m_statusFilter)
        return;
    m_categoryFilter = categoryFilter;
    m_statusFilter = statusFilter;
    ForgetShownEntries();
}

static bool PassesStatus(const BlogEntry& entry, std::uint16_t status, std::uint32_t userId)
{
    switch (status) {
    case BlogStorage::kStatusAll:
        return !entry.IsHidden();
    case BlogStorage::kStatusPending:
        return entry.IsPending() && !entry.IsHidden();
    case BlogStorage::kStatusPublished:
        return entry.IsPublished() && !entry.IsHidden();
    case BlogStorage::kStatusPublishedByMe:
        return entry.IsPublishedBy(userId) && !entry.IsHidden();
    case BlogStorage::kStatusEverything:
        return true;
    default:
        return false;
    }
}

bool LocalBlogStorage::IsShown(const BlogEntry& entry) const
{
    bool anyCategory = m_categoryFilter >= BlogIds::AllCategoriesLow;
    if (!anyCategory && entry.GetCategoryId() != m_categoryFilter)
        return false;
    return PassesStatus(entry, m_statusFilter, m_userId);
}

// Built once after a change and then read by index: the views and the
// sync walk the shown entries one index after the other.
const std::vector<BlogEntry*>& LocalBlogStorage::ShownEntries() const
{
    if (m_shownValid)
        return m_shown;
    m_shown.clear();
    m_shown.reserve(m_entries.GetSize());
    bool everything = m_categoryFilter == BlogIds::AllCategories && m_statusFilter == kStatusEverything;
    for (auto& entry : GetEntries()) {
        if (everything || IsShown(*entry))
            m_shown.push_back(entry.get());
    }
    m_shownValid = true;
    return m_shown;
}

size_t LocalBlogStorage::GetShownEntryCount() const
{
    return ShownEntries().size();
}

BlogEntry* LocalBlogStorage::GetShownEntryAt(size_t index) const
{
    auto& shown = ShownEntries();
    return index < shown.size() ? shown[index] : nullptr;
}

BlogEntry* LocalBlogStorage::GetLastShownEntry() const
{
    auto& shown = ShownEntries();
    return shown.empty() ? nullptr : shown.back();
}

std::uint32_t LocalBlogStorage::GetShownIndexOf(const BlogEntry& entry) const
{
    std::uint32_t before = 0;
    for (auto& held : GetEntries()) {
        if (held.get() == &entry)
            return before;
        if (IsShown(*held))
            ++before;
    }
    return kNotInStore;
}
