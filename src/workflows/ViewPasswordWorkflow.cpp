#include "workflows/ViewPasswordWorkflow.h"

#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "platform/CodePage.h"

DialogOutcome ViewPasswordWorkflow::Ok(std::u16string_view password)
{
    if (!FitsFieldLimit(password, kPasswordLimit))
        return DialogOutcome::Stay(kPasswordField);
    if (password.empty()) {
        ShowStringMessage(kEmptyPasswordMessage, MessageIcon::Warning);
        return DialogOutcome::Stay(kPasswordField);
    }
    m_password = Utf16ToUtf8(password);
    return DialogOutcome::Close(DialogResults::Ok);
}
