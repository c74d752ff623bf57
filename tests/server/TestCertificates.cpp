#include "TestCertificates.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <stdexcept>

namespace {

template<typename Object, void (*Free)(Object*)>
using Owned = std::unique_ptr<Object, decltype([](Object* object) { Free(object); })>;

void Check(bool good, const char* what)
{
    if (!good)
        throw std::runtime_error(std::string("cannot make the test certificate: ") + what);
}

void WritePem(const std::string& path, const std::function<int(std::FILE*)>& write)
{
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "w"), std::fclose);
    Check(file && write(file.get()) == 1, "writing a PEM file");
}

}

TestCertificate MakeTestCertificate(const std::string& folder, const std::string& name)
{
    Owned<EVP_PKEY, EVP_PKEY_free> key(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256"));
    Check(key != nullptr, "the key");
    Owned<X509, X509_free> certificate(X509_new());
    Check(certificate != nullptr, "the certificate");
    X509_set_version(certificate.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), 7 * 86400);
    X509_set_pubkey(certificate.get(), key.get());
    X509_NAME* subject = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(name.c_str()), -1, -1, 0);
    X509_set_issuer_name(certificate.get(), subject);

    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate.get(), certificate.get(), nullptr, nullptr, 0);
    for (auto [nid, value] : { std::pair { NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost" }, { NID_basic_constraints, "critical,CA:TRUE" } }) {
        Owned<X509_EXTENSION, X509_EXTENSION_free> extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
        Check(extension && X509_add_ext(certificate.get(), extension.get(), -1) == 1, "an extension");
    }
    Check(X509_sign(certificate.get(), key.get(), EVP_sha256()) > 0, "the signature");

    TestCertificate files { folder + "/" + name + ".crt", folder + "/" + name + ".key" };
    WritePem(files.certificateFile, [&](std::FILE* file) { return PEM_write_X509(file, certificate.get()); });
    WritePem(files.keyFile, [&](std::FILE* file) { return PEM_write_PrivateKey(file, key.get(), nullptr, nullptr, 0, nullptr, nullptr); });
    return files;
}
