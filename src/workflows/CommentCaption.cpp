#include "workflows/CommentCaption.h"

#include "app/Messages.h"
#include "app/RelativeTime.h"
#include "model/BlogComment.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace {

constexpr StringId kHeader = 223;    // "%s (%s):"
constexpr StringId kNewAuthor = 226; // "-NEW-"

}

std::string CommentCaption(const BlogComment& comment, bool withHeader, ProgramTime now)
{
    // The texts are shown as UTF-8, whatever bytes the store holds.
    std::string text = Utf16ToUtf8(comment.GetTextText());
    if (!withHeader) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        return text;
    }
    std::string name = Utf16ToUtf8(comment.GetAuthorNameText());
    if (name.empty())
        name = LoadString(kNewAuthor);
    return FormatString(kHeader, { name, RelativeTimeText(comment.GetDate(), now) }) + "\r\n" + text;
}
