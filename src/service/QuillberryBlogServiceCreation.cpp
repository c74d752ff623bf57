#include "service/QuillberryBlogService.h"
#include "service/ServerErrors.h"
#include "service/ServiceProgress.h"
#include "service/StoreErrorReport.h"

// Account and blog creation. Both requests go without the error check of
// the other senders: a taken e-mail address or blog URL name is an answer
// the dialogs act on (offering the user's blog, or the suggestions), not an
// error to show; any other refusal is shown as the server wrote it, without
// the full stop the other senders add.

ErrorCode QuillberryBlogService::CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
    std::string_view lastName, ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::CreatingAccount))
        return Error::Cancelled;
    ServiceReply reply = RequestAccountCreation(email, password, firstName, lastName, callback, context);
    if (!reply.IsSuccess())
        return reply.Code();
    if (!reply.Body())
        return Error::NoResponse;
    ErrorCode code = JudgeCreationReply(*reply.Body(), ServerError::EmailAlreadyUsed);
    return code == ServerError::EmailAlreadyUsed ? Error::EmailAlreadyUsed : code;
}

ErrorCode QuillberryBlogService::CreateBlog(std::string_view email, std::string_view password, std::string_view blogUrlName,
    std::string_view title, std::string_view subtitle, bool visible, BlogUrlAlternates& alternates, std::uint32_t alternateSize,
    ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::CreatingBlog))
        return Error::Cancelled;
    ServiceReply reply = RequestBlogCreation(email, password, blogUrlName, title, subtitle, visible, callback, context);
    if (!reply.IsSuccess())
        return reply.Code();
    if (!reply.Body())
        return Error::NoResponse;
    Stream& body = *reply.Body();
    ErrorCode code = JudgeCreationReply(body, ServerError::BlogUrlAlreadyUsed);
    if (code != ServerError::BlogUrlAlreadyUsed)
        return code;
    // The suggestions follow the message; without them the buffers are
    // emptied all the same.
    alternates = ReadBlogUrlAlternates(body, alternateSize);
    return Error::BlogUrlAlreadyUsed;
}

ErrorCode QuillberryBlogService::JudgeCreationReply(Stream& body, ErrorCode takenCode)
{
    std::optional<std::string> text = ReadServerErrorText(body);
    m_writer.SetServerErrorText(text.value_or(std::string()));
    if (!text)
        return Error::Success;
    ErrorCode code = ServerErrorCodeForText(*text).value_or(ServerError::Unknown);
    if (code == takenCode)
        return takenCode;
    // An empty text shows the unknown-error message with the code.
    ShowStoreError(m_store, code, *text, false);
    return Error::CreationRefused;
}
