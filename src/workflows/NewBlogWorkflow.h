#pragma once

#include "workflows/BlogCreation.h"
#include "workflows/DialogOutcome.h"
#include "workflows/NetworkServices.h"
#include "workflows/NewBlogStoreResult.h"

class CWinBlogUser;

// CNewBlogDlg ("Create Blog"): creates a blog on the service. On OK it hands
// back the new blog's store, which the opener saves and adds to the list.
class NewBlogWorkflow : public NewBlogStoreResult {
public:
    static constexpr std::string_view kTitle = "Create Blog";
    static constexpr std::string_view kCreateButton = "Create Blog";

    NewBlogWorkflow(CWinBlogUser& user, NetworkServices services)
        : m_user(user)
        , m_services(services)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

    // "Create Blog": fields at fault keep the dialog open before anything is
    // sent; then the blog is made on the service. A made blog is announced
    // (string 163) and closes the dialog with OK; a refusal or a failure
    // keeps it open on the Blog URL, as does a connection that never came.
    DialogOutcome Create(const NewBlogFields& fields);

private:
    CWinBlogUser& m_user;
    NetworkServices m_services;
};
