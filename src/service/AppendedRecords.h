#pragma once

#include "model/CObjectArray.h"

#include <cstddef>
#include <memory>

// Records that the merge of a changes response adds to one of the store's
// ordered lists (categories by name, comments by date). Put in place one
// by one, each would move the rest of the list: a response that lists its
// records in the other order would make the merge quadratic. So they are
// appended, and put in order in one stable merge when the merge ends (or
// when this object goes, whatever ended it). The result is the same as
// inserting each in turn after the records that compare equal.
template<typename T>
class AppendedRecords {
public:
    using Less = bool (*)(const T&, const T&);

    AppendedRecords(CObjectArray<T>& list, Less less)
        : m_list(list)
        , m_less(less)
        , m_inOrder(list.GetSize())
    {
    }
    ~AppendedRecords() { PutInOrder(); }
    AppendedRecords(const AppendedRecords&) = delete;
    AppendedRecords& operator=(const AppendedRecords&) = delete;

    T& Append(std::unique_ptr<T> record)
    {
        T& appended = *record;
        m_list.Add(std::move(record));
        return appended;
    }

    // Before the store removes a record of the list.
    void Removing(const T& record)
    {
        long index = m_list.IndexOf(&record);
        if (index >= 0 && static_cast<std::size_t>(index) < m_inOrder)
            --m_inOrder;
    }

    // Takes a held record out, to append it again once its key changed.
    std::unique_ptr<T> Take(T& record)
    {
        long index = m_list.IndexOf(&record);
        if (index < 0)
            return nullptr;
        Removing(record);
        return m_list.Detach(static_cast<std::size_t>(index));
    }

    void PutInOrder()
    {
        if (m_inOrder < m_list.GetSize())
            m_list.MergeTail(m_inOrder, m_less);
        m_inOrder = m_list.GetSize();
    }

private:
    CObjectArray<T>& m_list;
    Less m_less;
    std::size_t m_inOrder;
};
