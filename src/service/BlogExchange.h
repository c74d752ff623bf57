#pragma once

#include "model/CWinBlogStorage.h"
#include "platform/ErrorCode.h"
#include "transport/Progress.h"

#include <cstdint>
#include <string>

class QuillberryBlogService;

// One blog's whole exchange with the service, in its order (see
// QuillberryBlogService::SyncChanges): each step ends the exchange at its
// first failure, except that a pending entry whose photo is missing is
// passed over. The store is saved after every request the service
// accepted, so that what the service holds and what the store's file says
// it holds never part: a cancel, a failure or a killed program midway sends
// nothing again that the service already took. Those saves are renamed
// into place at once but flushed to disk together when the exchange ends,
// so that a thousand entries do not cost a thousand flushes of the store.
class BlogExchange {
public:
    BlogExchange(QuillberryBlogService& service, CWinBlogStorage& store, ProgressCallback callback, void* context);

    [[nodiscard]] ErrorCode Run();

private:
    [[nodiscard]] ErrorCode Exchange();
    [[nodiscard]] ErrorCode SendCategoryDeletions();
    [[nodiscard]] ErrorCode SendEntryDeletions();
    [[nodiscard]] ErrorCode SendCommentDeletions();
    [[nodiscard]] ErrorCode SendBlogSettings();
    [[nodiscard]] ErrorCode SendCategories();
    // The pending entries, in store order; counts those passed over for a
    // missing photo.
    [[nodiscard]] ErrorCode SendPendingEntries(unsigned& skipped);
    [[nodiscard]] ErrorCode SendPendingComments();
    // After a deletion the service accepted, or one it had nothing left to
    // do for.
    [[nodiscard]] ErrorCode Saved();
    bool Report(ProgressStep step, const std::string* detail, std::uint16_t done, std::uint16_t total);

    QuillberryBlogService& m_service;
    CWinBlogStorage& m_store;
    ProgressCallback m_callback;
    void* m_context;
    bool m_groupBlog { false };
};
