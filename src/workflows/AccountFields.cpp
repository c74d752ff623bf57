#include "workflows/AccountFields.h"

namespace AccountFields {

static constexpr size_t kShortestEmail = 7;

bool IsValidEmail(std::u16string_view email)
{
    if (email.size() < kShortestEmail)
        return false;
    size_t at = email.find(u'@');
    return at != std::u16string_view::npos && email.find(u'.', at + 1) != std::u16string_view::npos;
}

bool IsValidPassword(std::u16string_view password)
{
    return !password.empty() && password.find(u' ') == std::u16string_view::npos;
}

}
