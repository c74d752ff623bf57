#include "workflows/PhotoEmailWorkflow.h"

#include "workflows/NetworkStep.h"
#include "workflows/NetworkOperations.h"

#include "app/Messages.h"
#include "platform/CodePage.h"

#include <algorithm>

static constexpr std::string_view kBlogLinkText = "Blog Link";

std::string PhotoEmailWorkflow::SendingText() const
{
    return m_subject.IsBlog() ? std::string(kBlogLinkText) : std::string(LoadString(kPhotoLinkText));
}

std::u16string PhotoEmailWorkflow::WithRecipient(std::u16string_view recipients, std::u16string_view address)
{
    std::u16string joined(recipients);
    if (!joined.empty())
        joined += u", ";
    joined += address;
    return joined;
}

static bool IsBlank(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
}

DialogOutcome PhotoEmailWorkflow::Send(std::u16string_view recipients, std::u16string_view message)
{
    // Blanks alone name nobody; anything else goes to the service as typed.
    if (IsBlank(recipients)) {
        ShowStringMessage(kNoRecipientsMessage, MessageIcon::Warning);
        return DialogOutcome::Stay(kRecipientsField);
    }
    if (m_network) {
        RunConnected([&](ProgressWindow& progress) {
            // The service and the transport show their failures.
            (void)m_network->SendPhotoEmail(m_store, m_user, m_subject, Utf16ToUtf8(recipients), Utf16ToUtf8(message), progress);
        });
    }
    return DialogOutcome::Close(DialogResults::Ok);
}
