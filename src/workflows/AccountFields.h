#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The limits and rules of the account fields that every account dialog
// shares.
namespace AccountFields {

inline constexpr size_t kEmailLimit = 63;
inline constexpr size_t kPasswordLimit = 31;
inline constexpr size_t kNameLimit = 31;
// String 162, shown for an e-mail address or a password the dialogs refuse.
inline constexpr unsigned kInvalidLoginMessage = 162;

// An address the service may take: at least 7 characters, an "@", and a
// "." somewhere after the first "@".
bool IsValidEmail(std::u16string_view email);
// Not empty, and no space in it.
bool IsValidPassword(std::u16string_view password);

// A login as the login and account dialogs read it back: a field past its
// limit shows the framework's message, an empty e-mail string 162. The
// field at fault, or none.
enum LoginField : int {
    kLoginEmailField,
    kLoginPasswordField,
};
std::optional<LoginField> CheckLogin(std::u16string_view email, std::u16string_view password);

}
