#pragma once

#include "model/CWinBlogStorage.h"

#include <memory>

// The store of a blog that a dialog created or subscribed to. It belongs to
// the opener, which either adds it to the user's list or discards it.
class NewBlogStoreResult {
public:
    void SetNewBlog(std::unique_ptr<CWinBlogStorage> store) { m_newBlog = std::move(store); }
    std::unique_ptr<CWinBlogStorage> TakeNewBlog() { return std::move(m_newBlog); }
    bool HasNewBlog() const { return m_newBlog != nullptr; }

private:
    std::unique_ptr<CWinBlogStorage> m_newBlog;
};
