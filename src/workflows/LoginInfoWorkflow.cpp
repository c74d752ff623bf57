#include "workflows/LoginInfoWorkflow.h"

#include "workflows/AccountFields.h"
#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

DialogOutcome LoginInfoWorkflow::Next(std::u16string_view email, std::u16string_view password)
{
    if (!FitsFieldLimit(email, AccountFields::kEmailLimit))
        return DialogOutcome::Stay(kEmailField);
    if (!FitsFieldLimit(password, AccountFields::kPasswordLimit))
        return DialogOutcome::Stay(kPasswordField);
    if (email.empty()) {
        ShowStringMessage(AccountFields::kInvalidLoginMessage, MessageIcon::Warning);
        return DialogOutcome::Stay(kEmailField);
    }
    m_user.SetEmail(Utf16ToUtf8(email));
    m_user.SetPassword(Utf16ToUtf8(password));
    m_user.SetStartupConnect(true);
    return DialogOutcome::Close(DialogResults::Ok);
}
