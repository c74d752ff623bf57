#pragma once

#include "model/Archive.h"
#include "model/SerializableObject.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A growable array of records that owns them: a record handed to it
// belongs to it, and removing or clearing destroys the records unless they
// are taken out with Detach(). T is a record interface (BlogEntry, ...).
template<typename T>
class CObjectArray {
public:
    CObjectArray() = default;
    CObjectArray(const CObjectArray&) = delete;
    CObjectArray& operator=(const CObjectArray&) = delete;
    CObjectArray(CObjectArray&&) noexcept = default;
    CObjectArray& operator=(CObjectArray&&) noexcept = default;

    size_t GetSize() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }

    T* GetAt(size_t index) const
    {
        assert(index < m_items.size());
        return m_items[index].get();
    }

    // The position of a record held here; -1 when it is not.
    long IndexOf(const T* record) const
    {
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i].get() == record)
                return static_cast<long>(i);
        }
        return -1;
    }

    void Add(std::unique_ptr<T> record) { m_items.push_back(std::move(record)); }

    void InsertAt(size_t index, std::unique_ptr<T> record)
    {
        assert(index <= m_items.size());
        m_items.insert(m_items.begin() + static_cast<long>(index), std::move(record));
    }

    // Takes the record out; the caller owns it from then on.
    std::unique_ptr<T> Detach(size_t index)
    {
        assert(index < m_items.size());
        auto record = std::move(m_items[index]);
        m_items.erase(m_items.begin() + static_cast<long>(index));
        return record;
    }

    void RemoveAt(size_t index) { Detach(index); }
    void RemoveAll() { m_items.clear(); }

    // Moves the record at `from` to `to`, shifting those between.
    void MoveTo(size_t from, size_t to)
    {
        assert(from < m_items.size() && to < m_items.size());
        auto first = m_items.begin();
        if (to < from)
            std::rotate(first + static_cast<long>(to), first + static_cast<long>(from), first + static_cast<long>(from) + 1);
        else
            std::rotate(first + static_cast<long>(from), first + static_cast<long>(from) + 1, first + static_cast<long>(to) + 1);
    }

    // The first `sortedCount` records are in the order of `less`, the rest
    // in the order they were added: brings them all into that order,
    // stably, so that a record added later goes after the equal ones before
    // it, exactly as inserting each at its place would have done.
    template<typename Less>
    void MergeTail(size_t sortedCount, Less less)
    {
        assert(sortedCount <= m_items.size());
        auto compare = [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return less(*a, *b); };
        auto middle = m_items.begin() + static_cast<long>(sortedCount);
        std::stable_sort(middle, m_items.end(), compare);
        std::inplace_merge(m_items.begin(), middle, m_items.end(), compare);
    }

    // Destroys every record for which `remove` answers true, keeping the
    // order of the others, in one pass. Returns how many went.
    template<typename Predicate>
    size_t RemoveIf(Predicate remove)
    {
        size_t kept = 0;
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (remove(*m_items[i]))
                continue;
            if (kept != i)
                std::swap(m_items[kept], m_items[i]);
            ++kept;
        }
        size_t removed = m_items.size() - kept;
        m_items.resize(kept);
        return removed;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    // The element count, then every element as a tagged object of
    // `elementClass`. Loading replaces the contents; after damage it keeps
    // the records read completely before it, and when the damage came
    // before the list it leaves the array as it was.
    void Serialize(Archive& archive, const RuntimeClass& elementClass, std::string_view listName)
    {
        if (archive.IsStoring()) {
            archive.Writer().WriteCount(static_cast<std::uint32_t>(m_items.size()));
            for (auto& item : m_items)
                archive.WriteObject(*item);
            return;
        }
        if (archive.Failed())
            return;
        RemoveAll();
        auto& reader = archive.Reader();
        std::uint32_t count = reader.ReadCount("count of " + std::string(listName));
        for (std::uint32_t i = 0; i < count; ++i) {
            ArchiveReader::RecordScope scope(reader, listName, i, count);
            auto object = archive.ReadObject(elementClass);
            if (!object)
                return;
            auto* record = dynamic_cast<T*>(object.get());
            assert(record);
            object.release();
            m_items.emplace_back(record);
        }
    }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
