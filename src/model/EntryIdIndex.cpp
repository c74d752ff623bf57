#include "model/EntryIdIndex.h"

void EntryIdIndex::Invalidate()
{
    m_slots.clear();
    m_unpublished.clear();
    m_stale = true;
}

void EntryIdIndex::Add(BlogEntry& entry, std::uint32_t id)
{
    if (m_stale)
        return;
    if (id == 0) {
        m_unpublished.insert(&entry);
        return;
    }
    auto [slot, isNew] = m_slots.try_emplace(id, Slot { &entry, 1 });
    if (isNew)
        return;
    // Which of the two comes first in store order is not known here.
    Invalidate();
}

void EntryIdIndex::Remove(BlogEntry& entry, std::uint32_t id)
{
    if (m_stale)
        return;
    if (id == 0) {
        m_unpublished.erase(&entry);
        return;
    }
    auto slot = m_slots.find(id);
    if (slot == m_slots.end())
        return;
    if (--slot->second.count == 0) {
        m_slots.erase(slot);
        return;
    }
    if (slot->second.first == &entry)
        Invalidate();
}

void EntryIdIndex::ChangeId(BlogEntry& entry, std::uint32_t oldId)
{
    Remove(entry, oldId);
    Add(entry, entry.GetServerId());
}

void EntryIdIndex::RebuildIfStale(const CObjectArray<BlogEntry>& entries)
{
    if (!m_stale)
        return;
    m_slots.reserve(entries.GetSize());
    for (auto& entry : entries) {
        std::uint32_t id = entry->GetServerId();
        if (id == 0) {
            m_unpublished.insert(entry.get());
            continue;
        }
        auto [slot, isNew] = m_slots.try_emplace(id, Slot { entry.get(), 0 });
        ++slot->second.count;
    }
    m_stale = false;
}

BlogEntry* EntryIdIndex::Find(std::uint32_t id, const CObjectArray<BlogEntry>& entries)
{
    if (id == 0) {
        for (auto& entry : entries) {
            if (entry->GetServerId() == 0)
                return entry.get();
        }
        return nullptr;
    }
    RebuildIfStale(entries);
    auto slot = m_slots.find(id);
    return slot == m_slots.end() ? nullptr : slot->second.first;
}

const std::unordered_set<BlogEntry*>& EntryIdIndex::Unpublished(const CObjectArray<BlogEntry>& entries)
{
    RebuildIfStale(entries);
    return m_unpublished;
}
