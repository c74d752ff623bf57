#include "workflows/BlogUrlRule.h"

#include <algorithm>

static bool IsBlogUrlCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-';
}

bool IsValidBlogUrl(std::u16string_view url)
{
    return !url.empty() && std::all_of(url.begin(), url.end(), IsBlogUrlCharacter);
}
