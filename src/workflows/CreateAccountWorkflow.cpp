#include "workflows/CreateAccountWorkflow.h"

#include "workflows/AccountFields.h"
#include "workflows/AccountOperations.h"
#include "workflows/FieldLimits.h"
#include "workflows/NetworkFailure.h"
#include "workflows/NetworkOperations.h"
#include "workflows/NetworkStep.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

namespace {

constexpr StringId kNamesMissing = 180;
constexpr StringId kAccountExists = 175;
constexpr StringId kDefaultTitle = 206;
constexpr StringId kDefaultSubtitle = 207;

}

DialogOutcome CreateAccountWorkflow::Next(const Fields& fields)
{
    m_fields = fields;
    switch (m_page) {
    case kAccountPage:
        return LeaveAccountPage();
    case kNamePage:
        return LeaveNamePage();
    case kBlogPage:
        return LeaveBlogPage();
    case kFinished:
        break;
    }
    return DialogOutcome::Close(DialogResults::Ok);
}

DialogOutcome CreateAccountWorkflow::LeaveAccountPage()
{
    if (!FitsFieldLimit(m_fields.email, AccountFields::kEmailLimit))
        return DialogOutcome::Stay(kEmailField);
    if (!FitsFieldLimit(m_fields.password, AccountFields::kPasswordLimit))
        return DialogOutcome::Stay(kPasswordField);
    if (!AccountFields::IsValidEmail(m_fields.email) || !AccountFields::IsValidPassword(m_fields.password)) {
        ShowStringMessage(AccountFields::kInvalidLoginMessage, MessageIcon::Warning);
        return DialogOutcome::Stay(AccountFields::IsValidEmail(m_fields.email) ? kPasswordField : kEmailField);
    }
    m_page = kNamePage;
    return DialogOutcome::Stay(kFirstNameField);
}

DialogOutcome CreateAccountWorkflow::LeaveNamePage()
{
    if (!FitsFieldLimit(m_fields.firstName, AccountFields::kNameLimit))
        return DialogOutcome::Stay(kFirstNameField);
    if (!FitsFieldLimit(m_fields.lastName, AccountFields::kNameLimit))
        return DialogOutcome::Stay(kLastNameField);
    if (m_fields.firstName.empty() || m_fields.lastName.empty()) {
        ShowStringMessage(kNamesMissing, MessageIcon::Warning);
        return DialogOutcome::Stay(m_fields.firstName.empty() ? kFirstNameField : kLastNameField);
    }
    if (!m_services.accounts)
        return DialogOutcome::Stay(kFirstNameField);

    std::string email = Utf16ToUtf8(m_fields.email);
    std::string password = Utf16ToUtf8(m_fields.password);
    ErrorCode result = Error::Success;
    bool ran = RunConnected([&](ProgressWindow& progress) {
        result = m_services.accounts->CreateAccount(email, password, Utf16ToUtf8(m_fields.firstName), Utf16ToUtf8(m_fields.lastName),
            progress);
    });
    if (!ran)
        return DialogOutcome::Stay(kFirstNameField);
    if (result == Error::EmailAlreadyUsed)
        return OfferExistingAccount();
    if (result != Error::Success) {
        ReportNetworkFailure(result);
        return DialogOutcome::Stay(kFirstNameField);
    }

    // The login becomes the user's only now that the account exists, so
    // that a failed or cancelled wizard leaves no login to an account that
    // is not there. The id comes with the next account refresh.
    m_user.SetEmail(email);
    m_user.SetPassword(password);
    // A user file that cannot be written has said so (message 6002); the
    // login stays in memory for this run.
    (void)m_user.Save();
    m_fields.blog.title = Utf8ToUtf16(FormatString(kDefaultTitle, { Utf16ToUtf8(m_fields.firstName) }));
    m_fields.blog.subtitle = Utf8ToUtf16(FormatString(kDefaultSubtitle));
    m_page = kBlogPage;
    return DialogOutcome::Stay(kUrlField);
}

DialogOutcome CreateAccountWorkflow::OfferExistingAccount()
{
    std::string email = Utf16ToUtf8(m_fields.email);
    if (!AskStringQuestion(kAccountExists, DefaultButton::Yes, { email })) {
        m_page = kAccountPage;
        return DialogOutcome::Stay(kEmailField);
    }
    m_user.SetEmail(email);
    m_user.SetPassword(Utf16ToUtf8(m_fields.password));
    m_user.SetStartupConnect(true);
    return DialogOutcome::Close(DialogResults::Ok);
}

DialogOutcome CreateAccountWorkflow::LeaveBlogPage()
{
    if (auto fault = m_fields.blog.Check())
        return DialogOutcome::Stay(kUrlField + *fault);
    if (!m_services.accounts)
        return DialogOutcome::Stay(kUrlField);

    BlogCreationResult created;
    bool ran = RunConnected([&](ProgressWindow& progress) {
        created = CreateBlogOnService(m_user, *m_services.accounts, m_fields.blog, progress);
        if (created.code == Error::Success && created.store)
            AddCreatedBlog(std::move(created.store), progress);
    });
    if (!ran || created.code != Error::Success)
        return DialogOutcome::Stay(kUrlField);
    m_page = kFinished;
    return DialogOutcome::Close(DialogResults::Ok);
}

void CreateAccountWorkflow::AddCreatedBlog(std::unique_ptr<CWinBlogStorage> store, ProgressWindow& progress)
{
    CWinBlogStorage& added = *store;
    m_user.GetBlogList().Insert(std::move(store));
    m_blogCreated = true;
    (void)m_user.Save(); // message 6002 has been shown when it failed
    (void)added.Save();  // not reported: the next sync writes it again
    if (m_services.operations) {
        // The refresh gives the account its id and shows its own failures;
        // the blog is made and kept either way.
        (void)m_services.operations->GetUserInfo(m_user, progress);
    }
}
