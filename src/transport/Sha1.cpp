#include "transport/Sha1.h"

#include <openssl/evp.h>

Sha1Digest Sha1(std::span<const std::uint8_t> bytes)
{
    Sha1Digest digest {};
    unsigned length = 0;
    // Computing a digest of memory can only fail when OpenSSL itself cannot
    // allocate; the zero digest then simply fails authentication.
    ::EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, ::EVP_sha1(), nullptr);
    return digest;
}

Sha1Digest Sha1(std::string_view text)
{
    return Sha1(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
