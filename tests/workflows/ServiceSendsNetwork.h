#pragma once

#include "service/DialogSends.h"
#include "transport/CurlHttp.h"
#include "workflows/NetworkOperations.h"

#include <gtest/gtest.h>

// The dialogs' sends over the program's HTTP client to a real service on
// this machine. The sync's operations are not what these tests are about:
// a call to one fails the test.
class ServiceSendsNetwork : public NetworkOperations {
public:
    ErrorCode GetUserInfo(CWinBlogUser&, ProgressWindow&) override { return Unexpected(); }
    ErrorCode SyncAll(CWinBlogUser&, ProgressWindow&) override { return Unexpected(); }
    ErrorCode SyncBlog(CWinBlogStorage&, CWinBlogUser&, BlogEntry*, ProgressWindow&) override { return Unexpected(); }
    bool CheckVersion(bool, bool&, ProgressWindow&) override { return Unexpected() == Error::Success; }
    ErrorCode DownloadEntryPhoto(CWinBlogStorage&, BlogEntry&, std::uint16_t, ProgressWindow&) override { return Unexpected(); }

    ErrorCode StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress) override
    {
        return m_sends.StoreComment(store, user, comment, progress);
    }
    ErrorCode SendPhotoEmail(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view recipients, std::string_view message,
        ProgressWindow& progress) override
    {
        return m_sends.SendPhotoEmail(store, user, subject.categoryId, subject.entryId, recipients, message, progress);
    }
    ErrorCode PostToRemoteBlog(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view remoteBlog, std::string_view title,
        std::string_view text, ProgressWindow& progress) override
    {
        return m_sends.PostToRemoteBlog(store, user, subject.categoryId, subject.entryId, remoteBlog, title, text, progress);
    }

private:
    static ErrorCode Unexpected()
    {
        ADD_FAILURE() << "a sync operation was called";
        return Error::InvalidParameter;
    }

    CurlHttp m_http;
    DialogSends m_sends { m_http };
};
