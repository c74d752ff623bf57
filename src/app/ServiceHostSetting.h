#pragma once

#include <string>
#include <string_view>

// The "Service Host" preference read as an address: "HOST[:PORT]" is the
// service over plain HTTP, exactly as it has always been; "https://HOST[:PORT]"
// the same service over HTTPS. Either way `host` is the "HOST[:PORT]" text
// that goes into the envelopes, the SOAPAction line and the Host line, so
// that a service behind TLS sees the very requests it would see without.
struct ServiceHostSetting {
    bool secure { false };
    std::string host;

    // "http" or "https".
    std::string_view Scheme() const { return secure ? "https" : "http"; }
    // "http://HOST[:PORT]" or "https://HOST[:PORT]", for web addresses.
    std::string Origin() const;
};

// A leading "https://" or "http://" (in any case) names the scheme and is
// taken off with any "/" that ends the text; any other text is the host as
// written, so that a plain host stays byte for byte what it was.
ServiceHostSetting SplitServiceHostSetting(std::string_view text);

// The preference, split.
ServiceHostSetting ReadServiceHostSetting();
