#include "server/auth/Digest.h"

#include "server/soap/Base64.h"

#include <openssl/crypto.h>
#include <openssl/sha.h>

namespace {

std::string Sha1(std::string_view nonce, std::string_view created, std::string_view password)
{
    std::string joined;
    joined.reserve(nonce.size() + created.size() + password.size());
    joined.append(nonce).append(created).append(password);
    unsigned char digest[SHA_DIGEST_LENGTH];
    SHA1(reinterpret_cast<const unsigned char*>(joined.data()), joined.size(), digest);
    return std::string(reinterpret_cast<const char*>(digest), sizeof digest);
}

}

std::string MakePasswordDigest(std::string_view nonce, std::string_view created, std::string_view password)
{
    return EncodeBase64(Sha1(nonce, created, password));
}

bool PasswordDigestMatches(std::string_view digest, std::string_view nonce, std::string_view created, std::string_view password)
{
    auto sent = DecodeBase64(digest);
    if (!sent || sent->size() != SHA_DIGEST_LENGTH)
        return false;
    std::string expected = Sha1(nonce, created, password);
    return CRYPTO_memcmp(sent->data(), expected.data(), SHA_DIGEST_LENGTH) == 0;
}
