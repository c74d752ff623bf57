#include "server/web/ViewCookie.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

std::string ViewCookieName(const BlogRecord& blog)
{
    return "vbx_view_" + std::to_string(blog.id);
}

std::string ViewCookieValue(const std::string& secret, const BlogRecord& blog)
{
    std::string message = "view:" + std::to_string(blog.id) + ":" + blog.viewPassword;
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_sha256(), secret.data(), static_cast<int>(secret.size()), reinterpret_cast<const unsigned char*>(message.data()),
        message.size(), mac, &length);
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += digits[mac[i] >> 4];
        text += digits[mac[i] & 15];
    }
    return text;
}

bool HasViewCookie(std::string_view cookieHeader, const std::string& secret, const BlogRecord& blog)
{
    std::string wanted = ViewCookieName(blog) + "=";
    std::string expected = ViewCookieValue(secret, blog);
    size_t position = 0;
    while (position < cookieHeader.size()) {
        size_t end = cookieHeader.find(';', position);
        if (end == std::string_view::npos)
            end = cookieHeader.size();
        std::string_view pair = cookieHeader.substr(position, end - position);
        while (!pair.empty() && pair.front() == ' ')
            pair.remove_prefix(1);
        if (pair.substr(0, wanted.size()) == wanted) {
            std::string_view value = pair.substr(wanted.size());
            if (value.size() == expected.size() && CRYPTO_memcmp(value.data(), expected.data(), expected.size()) == 0)
                return true;
        }
        position = end + 1;
    }
    return false;
}
