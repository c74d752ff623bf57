#include "model/CBlogList.h"

#include "platform/CodePage.h"
#include "platform/Path.h"

#include <algorithm>
#include <cassert>

CWinBlogStorage* CBlogList::GetAt(size_t index) const
{
    assert(index < m_stores.size());
    return m_stores[index].get();
}

void CBlogList::SetUserId(std::uint32_t userId)
{
    m_userId = userId;
    for (auto& store : m_stores)
        store->SetUserId(userId);
}

size_t CBlogList::Insert(std::unique_ptr<CWinBlogStorage> store)
{
    store->SetUserId(m_userId);
    const std::string& name = store->GetBlogInfo().GetDisplayName();
    auto place = std::upper_bound(m_stores.begin(), m_stores.end(), name,
        [](const std::string& newName, const std::unique_ptr<CWinBlogStorage>& held) {
            return CompareIgnoringCase(newName, held->GetBlogInfo().GetDisplayName()) < 0;
        });
    size_t index = static_cast<size_t>(place - m_stores.begin());
    m_stores.insert(place, std::move(store));
    return index;
}

long CBlogList::FindIndex(std::string_view urlName) const
{
    for (size_t i = 0; i < m_stores.size(); ++i) {
        if (EqualsIgnoringCase(m_stores[i]->GetBlogInfo().GetUrlName(), urlName))
            return static_cast<long>(i);
    }
    return -1;
}

long CBlogList::FindIndex(std::u16string_view urlName) const
{
    return FindIndex(Utf16ToUtf8(urlName));
}

CWinBlogStorage* CBlogList::Find(std::string_view urlName) const
{
    long index = FindIndex(urlName);
    return index < 0 ? nullptr : m_stores[static_cast<size_t>(index)].get();
}

CWinBlogStorage* CBlogList::Find(std::u16string_view urlName) const
{
    return Find(Utf16ToUtf8(urlName));
}

long CBlogList::IndexOf(const CWinBlogStorage* store) const
{
    for (size_t i = 0; i < m_stores.size(); ++i) {
        if (m_stores[i].get() == store)
            return static_cast<long>(i);
    }
    return -1;
}

std::unique_ptr<CWinBlogStorage> CBlogList::Detach(size_t index)
{
    assert(index < m_stores.size());
    auto store = std::move(m_stores[index]);
    m_stores.erase(m_stores.begin() + static_cast<long>(index));
    return store;
}
