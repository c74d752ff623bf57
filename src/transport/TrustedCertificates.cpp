#include "transport/TrustedCertificates.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace {

struct BioFree {
    void operator()(BIO* bio) const { ::BIO_free(bio); }
};

}

void TrustedCertificates::CertificateFree::operator()(x509_st* certificate) const
{
    ::X509_free(certificate);
}

ErrorOr<TrustedCertificates> TrustedCertificates::Load(const std::string& path)
{
    std::unique_ptr<BIO, BioFree> file(::BIO_new_file(path.c_str(), "r"));
    if (!file) {
        ::ERR_clear_error();
        return Error::NetworkTrustFileUnreadable;
    }
    TrustedCertificates trusted;
    while (X509* certificate = ::PEM_read_bio_X509(file.get(), nullptr, nullptr, nullptr))
        trusted.m_certificates.emplace_back(certificate);
    // The read that ends the file leaves "no start line" behind; a broken
    // certificate midway leaves its own error, and counts as none at all.
    unsigned long last = ::ERR_peek_last_error();
    bool cleanEnd = ERR_GET_REASON(last) == PEM_R_NO_START_LINE;
    ::ERR_clear_error();
    if (trusted.m_certificates.empty() || !cleanEnd)
        return Error::NetworkTrustFileUnreadable;
    return trusted;
}

CURLcode TrustedCertificates::ApplyTo(CURL* easy) const
{
    // libcurl may keep one filled store for all the connections of a
    // handle; adding to that one would leave these certificates trusted for
    // requests made without them.
    CURLcode result = ::curl_easy_setopt(easy, CURLOPT_CA_CACHE_TIMEOUT, 0L);
    if (result == CURLE_OK)
        result = ::curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &TrustedCertificates::AddToContext);
    if (result == CURLE_OK)
        result = ::curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, const_cast<TrustedCertificates*>(this));
    return result;
}

CURLcode TrustedCertificates::AddToContext(CURL*, void* sslContext, void* self)
{
    auto& trusted = *static_cast<const TrustedCertificates*>(self);
    X509_STORE* store = ::SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
    if (!store)
        return CURLE_SSL_CERTPROBLEM;
    for (const Certificate& certificate : trusted.m_certificates) {
        // The same authority in the system's store and in the file is no
        // fault: it is trusted either way.
        if (::X509_STORE_add_cert(store, certificate.get()) != 1)
            ::ERR_clear_error();
    }
    return CURLE_OK;
}
