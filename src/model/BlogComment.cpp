#include "model/BlogComment.h"

#include "platform/CodePage.h"

bool BlogComment::IsOnTheWeb() const
{
    return GetCommentId() != 0;
}

std::u16string BlogComment::GetTextText() const
{
    return Utf8ToUtf16(GetText());
}

void BlogComment::SetTextText(std::u16string_view text)
{
    SetText(Utf16ToUtf8(text));
}

std::u16string BlogComment::GetAuthorNameText() const
{
    return Utf8ToUtf16(GetAuthorName());
}

void BlogComment::SetAuthorNameText(std::u16string_view name)
{
    SetAuthorName(Utf16ToUtf8(name));
}
