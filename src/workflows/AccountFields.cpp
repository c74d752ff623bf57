#include "workflows/AccountFields.h"

#include "workflows/FieldLimits.h"

#include "app/Messages.h"

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

std::optional<LoginField> CheckLogin(std::u16string_view email, std::u16string_view password)
{
    if (!FitsFieldLimit(email, kEmailLimit))
        return kLoginEmailField;
    if (!FitsFieldLimit(password, kPasswordLimit))
        return kLoginPasswordField;
    if (email.empty()) {
        ShowStringMessage(kInvalidLoginMessage, MessageIcon::Warning);
        return kLoginEmailField;
    }
    return std::nullopt;
}

}
