#pragma once

#include <cstdint>

class BlogEntry;

// What a store learns from the entries it holds. An entry can be changed
// through its own setters by anyone (a dialog, the service's merge), so the
// store's server-id index and its list of shown entries hear of every change
// of the fields they depend on instead of trusting callers to report them.
class EntryObserver {
public:
    virtual void OnEntryServerIdChanged(BlogEntry& entry, std::uint32_t oldId) = 0;
    // The category id, pending flag, poster id or photo state changed: the
    // fields that decide whether the entry passes the filters.
    virtual void OnEntryShownFieldsChanged(BlogEntry& entry) = 0;
    // The post date changed: the entry's place in the date order with it.
    virtual void OnEntryPostDateChanged(BlogEntry& entry) = 0;

protected:
    ~EntryObserver() = default;
};
