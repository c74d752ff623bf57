#pragma once

#include "workflows/BlogCreation.h"
#include "workflows/DialogOutcome.h"
#include "workflows/NetworkServices.h"

#include <string>

class CWinBlogUser;

// CCreateAccountDlg ("Create New Account"): a wizard of three pages that
// creates the account (on leaving page 1) and its first blog (on leaving
// page 2) on the service. It moves forward only, except back to page 0 when
// the e-mail address already has an account that the user does not want to
// use. Closed with OK when it finished, or when the user chose to use the
// existing account instead; what was created on the service stays created
// when it is cancelled.
class CreateAccountWorkflow {
public:
    enum Page : int {
        kAccountPage = 0,
        kNamePage = 1,
        kBlogPage = 2,
        kFinished = 3,
    };
    // Fields in the order of the pages; the blog page's are NewBlogFields'
    // shifted by kUrlField.
    enum Field : int {
        kEmailField,
        kPasswordField,
        kFirstNameField,
        kLastNameField,
        kUrlField,
        kTitleField,
        kSubtitleField,
    };

    static constexpr std::string_view kTitle = "Create New Account";
    static constexpr std::string_view kAccountPrompt
        = "To create a vellumbrixweb account, enter your email address and create a password for this account.";
    static constexpr std::string_view kNamePrompt = "Please enter your first and last name.";

    struct Fields {
        std::u16string email;
        std::u16string password;
        std::u16string firstName;
        std::u16string lastName;
        NewBlogFields blog;
    };

    CreateAccountWorkflow(CWinBlogUser& user, NetworkServices services)
        : m_user(user)
        , m_services(services)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    Page GetPage() const { return m_page; }
    // What the dialog shows: the fields as last read, with the title and
    // subtitle filled in once the account exists.
    const Fields& GetFields() const { return m_fields; }

    // "Next": checks the current page's fields and acts on them. The dialog
    // stays (on the page GetPage() now names, with the focus on the field
    // given) or closes with OK.
    DialogOutcome Next(const Fields& fields);

    // Whether a blog was created and added to the user's list.
    bool WasBlogCreated() const { return m_blogCreated; }

private:
    DialogOutcome LeaveAccountPage();
    DialogOutcome LeaveNamePage();
    DialogOutcome LeaveBlogPage();
    DialogOutcome OfferExistingAccount();
    void AddCreatedBlog(std::unique_ptr<CWinBlogStorage> store, ProgressWindow& progress);

    CWinBlogUser& m_user;
    NetworkServices m_services;
    Page m_page { kAccountPage };
    Fields m_fields;
    bool m_blogCreated { false };
};
