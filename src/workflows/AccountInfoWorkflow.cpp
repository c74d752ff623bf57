#include "workflows/AccountInfoWorkflow.h"

#include "workflows/AccountFields.h"

#include "app/Messages.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

namespace {

constexpr StringId kProAccount = 177;
constexpr StringId kUnlimitedPhotos = 178;
constexpr std::string_view kPhotoLimit = "%s photos max";

}

std::u16string AccountInfoWorkflow::OpeningEmail() const
{
    return Utf8ToUtf16(m_user.GetEmail());
}

std::u16string AccountInfoWorkflow::PasswordPlaceholder() const
{
    return std::u16string(Utf8ToUtf16(m_user.GetPassword()).size(), u'*');
}

AccountInfoWorkflow::AccountLines AccountInfoWorkflow::GetAccountLines() const
{
    if (m_user.GetProAccount() != 0)
        return { true, FormatString(kProAccount), FormatString(kUnlimitedPhotos) };
    if (m_user.GetPhotoQuota() != 0) {
        std::string limit(kPhotoLimit);
        limit.replace(limit.find("%s"), 2, std::to_string(m_user.GetPhotoQuota()));
        return { true, std::string(kLimitedAccount), limit };
    }
    return {};
}

DialogOutcome AccountInfoWorkflow::Ok(std::u16string_view email, std::u16string_view password)
{
    if (auto fault = AccountFields::CheckLogin(email, password))
        return DialogOutcome::Stay(*fault);

    bool changed = false;
    std::string newEmail = Utf16ToUtf8(email);
    if (newEmail != m_user.GetEmail()) {
        // Another account: its id comes with the next refresh.
        m_user.SetUserId(0);
        m_user.SetEmail(newEmail);
        changed = true;
    }
    if (password != PasswordPlaceholder()) {
        m_user.SetPassword(Utf16ToUtf8(password));
        changed = true;
    }
    if (!changed)
        return DialogOutcome::Close(DialogResults::Ok);

    // Comments the old account could not see may be there for the new one.
    for (auto& store : m_user.GetBlogList()) {
        store->SetDownloadStamp(0);
        (void)store->Save(); // a store that cannot be saved has said so
    }
    (void)m_user.Save(); // message 6002 has been shown when it failed
    return DialogOutcome::Close(DialogResults::Ok);
}
