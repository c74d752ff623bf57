#pragma once

#include "model/CWinBlogStorage.h"

#include <memory>
#include <string_view>
#include <vector>

// The blogs on the device, one store each, owned by the user record. Held
// sorted by display name (the title, or the URL name when the title is
// empty) without regard to case; lookups by URL name ignore case. It is not
// stored: it is rebuilt from the store files found in the data folder.
class CBlogList {
public:
    CBlogList() = default;
    CBlogList(const CBlogList&) = delete;
    CBlogList& operator=(const CBlogList&) = delete;

    size_t GetSize() const { return m_stores.size(); }
    bool IsEmpty() const { return m_stores.empty(); }
    CWinBlogStorage* GetAt(size_t index) const;

    // The user's service id, which every store held here is given, for
    // its permission tests and its "published by me" filter. The stores
    // keep a copy, never a pointer back to the user.
    std::uint32_t GetUserId() const { return m_userId; }
    void SetUserId(std::uint32_t userId);

    // Puts the store at its sorted place (after blogs of the same display
    // name), gives it the user id and takes it over; returns its position.
    size_t Insert(std::unique_ptr<CWinBlogStorage> store);
    // The position of the first blog with this URL name, or -1.
    long FindIndex(std::string_view urlName) const;
    long FindIndex(std::u16string_view urlName) const;
    CWinBlogStorage* Find(std::string_view urlName) const;
    CWinBlogStorage* Find(std::u16string_view urlName) const;
    // The position of a store held here, or -1.
    long IndexOf(const CWinBlogStorage* store) const;

    // Takes a store out; the caller owns it from then on.
    std::unique_ptr<CWinBlogStorage> Detach(size_t index);
    void RemoveAll() { m_stores.clear(); }

    auto begin() const { return m_stores.begin(); }
    auto end() const { return m_stores.end(); }

private:
    std::vector<std::unique_ptr<CWinBlogStorage>> m_stores;
    std::uint32_t m_userId { 0 };
};
