#pragma once

#include "model/BlogEntry.h"
#include "model/CObjectArray.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

// The server-id index of a store's entries. The sync merges every record it
// downloads by looking its id up, so with thousands of entries a scan per
// lookup would make a merge quadratic.
//
// Lookups keep the meaning of a scan: the first entry in store order with
// that id. Ids are normally unique, so the index keeps, per id, the first
// entry and how many share the id; in the rare cases where the first one
// cannot be known without a scan (an entry with an id already present is
// added, or the first of several leaves) the index marks itself stale and is
// rebuilt at the next lookup. Never-published entries (id 0) are many at
// times and are kept apart as a set.
class EntryIdIndex {
public:
    // Drops everything; the next lookup rebuilds.
    void Invalidate();

    void Add(BlogEntry& entry) { Add(entry, entry.GetServerId()); }
    void Remove(BlogEntry& entry) { Remove(entry, entry.GetServerId()); }
    void ChangeId(BlogEntry& entry, std::uint32_t oldId);

    // Whether a lookup of this id reads the list (which must then be in
    // store order): after a change the index could not follow, and for id
    // 0.
    bool NeedsList(std::uint32_t id) const { return m_stale || id == 0; }
    // Whether Unpublished() reads the list.
    bool IsStale() const { return m_stale; }
    // The first entry of `entries` (the list indexed) with this id; id 0
    // scans, since several never-published entries share it.
    BlogEntry* Find(std::uint32_t id, const CObjectArray<BlogEntry>& entries);
    // The entries with id 0, in no particular order.
    const std::unordered_set<BlogEntry*>& Unpublished(const CObjectArray<BlogEntry>& entries);

private:
    struct Slot {
        BlogEntry* first { nullptr };
        std::uint32_t count { 0 };
    };

    void Add(BlogEntry& entry, std::uint32_t id);
    void Remove(BlogEntry& entry, std::uint32_t id);
    void RebuildIfStale(const CObjectArray<BlogEntry>& entries);

    std::unordered_map<std::uint32_t, Slot> m_slots;
    std::unordered_set<BlogEntry*> m_unpublished;
    bool m_stale { true };
};
