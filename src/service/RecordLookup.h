#pragma once

#include "model/CObjectArray.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// The store's lookups of one list (categories or comments) as the merge of
// a changes response asks them, once per incoming record: by the service's
// id, and among the records made on the device and not yet known to the
// service. The store scans its list for each; with thousands of records
// that would make the merge quadratic, so the merge keeps this index while
// it runs and tells it of every record it adds, removes or gives an id.
// The answers are the store's: the first record in store order that
// matches.
template<typename T>
class RecordLookup {
public:
    struct Rules {
        std::uint32_t (*idOf)(const T&);
        // Made on the device and not yet known to the service.
        bool (*isLocal)(const T&);
        // The store's own lookup by id, for an id that another record
        // might share with one that was removed.
        std::function<T*(std::uint32_t)> findInStore;
    };

    RecordLookup(const CObjectArray<T>& list, Rules rules)
        : m_list(list)
        , m_rules(std::move(rules))
    {
    }

    T* FindById(std::uint32_t id)
    {
        Build();
        if (std::erase(m_removedIds, id) > 0) {
            if (T* next = m_rules.findInStore(id))
                m_byId.emplace(id, next);
        }
        auto found = m_byId.find(id);
        return found == m_byId.end() ? nullptr : found->second;
    }

    // The first local record for which `matches` holds.
    template<typename Matches>
    T* FindLocal(Matches matches)
    {
        Build();
        auto found = std::find_if(m_local.begin(), m_local.end(), [&](T* record) { return matches(*record); });
        return found == m_local.end() ? nullptr : *found;
    }

    // A record added only when none with its id is held: it is the first
    // with that id.
    void Added(T& record)
    {
        Build();
        if (m_rules.isLocal(record))
            m_local.push_back(&record);
        else
            m_byId.emplace(m_rules.idOf(record), &record);
    }

    // A local record took the service's id.
    void TookId(T& record)
    {
        Build();
        std::erase(m_local, &record);
        m_byId.emplace(m_rules.idOf(record), &record);
    }

    // Before the store removes a record.
    void Removing(T& record)
    {
        Build();
        std::erase(m_local, &record);
        std::uint32_t id = m_rules.idOf(record);
        auto found = m_byId.find(id);
        if (found != m_byId.end() && found->second == &record) {
            m_byId.erase(found);
            m_removedIds.push_back(id);
        }
    }

private:
    void Build()
    {
        if (m_built)
            return;
        m_built = true;
        for (auto& record : m_list) {
            if (m_rules.isLocal(*record))
                m_local.push_back(record.get());
            else
                m_byId.emplace(m_rules.idOf(*record), record.get());
        }
    }

    const CObjectArray<T>& m_list;
    Rules m_rules;
    bool m_built { false };
    std::unordered_map<std::uint32_t, T*> m_byId;
    // In store order.
    std::vector<T*> m_local;
    // Ids of removed records, which another record may share: the store
    // answers for them at their next lookup.
    std::vector<std::uint32_t> m_removedIds;
};
