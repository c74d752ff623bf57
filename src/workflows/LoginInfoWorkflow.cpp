#include "workflows/LoginInfoWorkflow.h"

#include "workflows/AccountFields.h"

#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

DialogOutcome LoginInfoWorkflow::Next(std::u16string_view email, std::u16string_view password)
{
    if (auto fault = AccountFields::CheckLogin(email, password))
        return DialogOutcome::Stay(*fault);
    m_user.SetEmail(Utf16ToUtf8(email));
    m_user.SetPassword(Utf16ToUtf8(password));
    m_user.SetStartupConnect(true);
    return DialogOutcome::Close(DialogResults::Ok);
}
