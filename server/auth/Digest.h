#pragma once

#include <string>
#include <string_view>

// The password digest of a request: base64 of SHA-1 over the nonce, the
// created time and the password, joined without separators.
std::string MakePasswordDigest(std::string_view nonce, std::string_view created, std::string_view password);

// Compares a digest as sent with the one the password gives, in constant
// time.
bool PasswordDigestMatches(std::string_view digest, std::string_view nonce, std::string_view created, std::string_view password);
