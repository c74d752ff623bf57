#pragma once

#include "platform/ErrorOr.h"

#include <curl/curl.h>
#include <memory>
#include <string>
#include <vector>

struct x509_st;

// Certificates trusted for HTTPS on top of the system's store: the PEM
// file of the "Service CA File" preference, for a service whose
// certificate no public authority signed. They are added to the store
// libcurl has already filled, never put in its place, so the services the
// system trusts stay trusted.
class TrustedCertificates {
public:
    // Every certificate of a PEM file. A file that cannot be read, or that
    // holds no certificate (a key, a DER file, an empty file), is refused
    // with Error::NetworkTrustFileUnreadable before anything is sent:
    // going on without it would only end in a certificate the user was
    // told to trust being refused.
    static ErrorOr<TrustedCertificates> Load(const std::string& path);

    std::size_t Count() const { return m_certificates.size(); }

    // Sets a secure request's handle to add these certificates when its
    // TLS context is made. The object must outlive the transfer.
    [[nodiscard]] CURLcode ApplyTo(CURL* easy) const;

private:
    struct CertificateFree {
        void operator()(x509_st* certificate) const;
    };
    using Certificate = std::unique_ptr<x509_st, CertificateFree>;

    static CURLcode AddToContext(CURL* easy, void* sslContext, void* self);

    std::vector<Certificate> m_certificates;
};
