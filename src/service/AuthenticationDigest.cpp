#include "service/AuthenticationDigest.h"

#include <string>

Sha1Digest AuthenticationDigest(std::string_view nonce, std::string_view created, std::string_view password)
{
    std::string text;
    text.reserve(nonce.size() + created.size() + password.size());
    text.append(nonce).append(created).append(password);
    // The length travels as 16 bits.
    text.resize(text.size() % 65536);
    return Sha1(text);
}
