#pragma once

#include <string>

// Certificates the tests make for themselves: self-signed, for 127.0.0.1
// and localhost, so that a client that trusts one file (its own CA file)
// accepts the service that presents it, and refuses any other.
struct TestCertificate {
    std::string certificateFile; // PEM
    std::string keyFile;         // PEM, unencrypted
};

// Writes NAME.crt and NAME.key into the folder; throws on failure.
TestCertificate MakeTestCertificate(const std::string& folder, const std::string& name);
