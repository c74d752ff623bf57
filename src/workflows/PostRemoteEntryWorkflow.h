#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/SendSubject.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CWinBlogStorage;
class CWinBlogUser;
class NetworkOperations;

// "Post Remote Entry" (CPostRemoteEntryDlg): has the service post the entry
// (or the blog's link) to one of the user's remote blogs, with a title and
// a text. The remote blog chosen is remembered in "Last Remote Blog".
class PostRemoteEntryWorkflow {
public:
    enum Field : int {
        kRemoteBlogField,
        kTitleField,
        kTextField,
    };
    static constexpr std::string_view kTitle = "Post Remote Entry";
    static constexpr size_t kTitleLimit = 49;
    static constexpr size_t kTextLimit = 7999;
    // The dialog keeps its layout when made this low or lower (base pixels).
    static constexpr int kLowestLaidOutHeight = 181;

    struct Controls {
        std::optional<size_t> remoteBlog; // position in RemoteBlogs()
        std::u16string title;
        std::u16string text;
    };

    // The title and text to start from are UTF-8. The post goes through
    // `network` (the command is offered only with it).
    PostRemoteEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, SendSubject subject, std::string title, std::string text,
        NetworkOperations* network);

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    const SendSubject& GetSubject() const { return m_subject; }
    // UTF-8.
    const std::string& GetTitle() const { return m_title; }
    const std::string& GetText() const { return m_text; }
    // The user's remote blogs in their stored order.
    const std::vector<std::u16string>& RemoteBlogs() const;

    // The remote blog named by "Last Remote Blog" (case ignored), else the
    // first; the title and text to start from.
    Controls Opening() const;

    // "Publish": a title or text past its limit keeps the dialog open, and
    // so does having no remote blog chosen. Otherwise the choice goes to
    // "Last Remote Blog", the post is sent (under the progress window, once
    // connected) and the dialog closes with OK, whether it went or not.
    DialogOutcome Publish(const Controls& controls);

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    SendSubject m_subject;
    std::string m_title;
    std::string m_text;
    NetworkOperations* m_network;
};
