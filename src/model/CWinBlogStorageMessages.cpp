#include "model/CWinBlogStorage.h"

#include "app/ErrorTable.h"
#include "app/MessageCheck.h"
#include "platform/UserInteraction.h"

bool CWinBlogStorage::ShouldCheckMessages(bool force, std::uint32_t& noteNumber, std::string& versionText)
{
    return ::ShouldCheckMessages(force, noteNumber, versionText);
}

bool CWinBlogStorage::ShowNewVersion(std::string_view version)
{
    return ::ShowNewVersion(version);
}

bool CWinBlogStorage::ShowNote(std::uint32_t noteNumber, std::string_view noteText, std::string_view secondText)
{
    return ::ShowNote(noteNumber, noteText, secondText);
}

void CWinBlogStorage::SetLastMessageCheck(int flag)
{
    ::SetLastMessageCheck(flag);
}

void CWinBlogStorage::ShowWarning(std::string_view format, std::initializer_list<FormatArgument> arguments)
{
    UserInteraction::Current().ShowMessage(FormatText(format, arguments), MessageIcon::Warning);
}

const std::string& CWinBlogStorage::GetErrorText(ErrorCode code)
{
    m_errorText = ErrorText(code);
    return m_errorText;
}
