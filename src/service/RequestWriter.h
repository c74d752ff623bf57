#pragma once

#include "platform/Clock.h"
#include "platform/ErrorCode.h"
#include "transport/Http.h"
#include "transport/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every request of the service is a SOAP envelope posted to this path.
constexpr std::string_view kServicePath = "/ws/";

// The part of the service that writes requests: it keeps the SOAPAction
// line of the request being built and the server's error text of the last
// response, and takes nonces and times from the HTTP client.
class RequestWriter {
public:
    // The server's error text is kept to this many bytes.
    static constexpr std::uint32_t kServerErrorTextSize = 100;

    explicit RequestWriter(Http& http)
        : m_http(http)
    {
    }

    Http& GetHttp() const { return m_http; }

    // "SOAPAction: "http://HOST/ws/ACTION"" (with the quotes), for the
    // request being built.
    const std::string& SoapActionLine() const { return m_soapActionLine; }
    void SetSoapAction(std::string_view host, std::string_view action);

    // The text of the last response's "MS" element (at most 99 bytes);
    // empty when it had none.
    const std::string& ServerErrorText() const { return m_serverErrorText; }
    void SetServerErrorText(std::string text) { m_serverErrorText = std::move(text); }

private:
    Http& m_http;
    std::string m_soapActionLine;
    std::string m_serverErrorText;
};

// One request envelope being written into a body stream:
//   <?xml ...?><soap:Envelope ...><soap:Body><ACTION xmlns="http://HOST/ws">
//   <RQ><ACTION><RQ><V>3</V> ... </RQ></ACTION></RQ></ACTION>
//   </soap:Body></soap:Envelope> CR LF
// with nothing between the pieces. The constructor writes the opening and
// sets the writer's SOAPAction line; the builder then adds the action's
// fields, and Finish closes the envelope. A failed write (the memory or the
// temporary file ran out) makes every later call do nothing and Finish
// answer 8.
class RequestBody {
public:
    RequestBody(RequestWriter& writer, Stream& body, std::string_view host, std::string_view action);

    RequestBody& Text(std::string_view literal);
    // With the characters of the entity table replaced by their entities.
    RequestBody& Escaped(std::string_view value);
    // Unsigned decimal.
    RequestBody& Number(std::uint32_t value);
    // ISO 8601: "2006-07-01T10:00:00Z" with utc, else local time with the
    // offset from UTC.
    RequestBody& Time(ProgramTime time, bool utc);
    // The rest of the source, base64-encoded in one run.
    RequestBody& Base64(Stream& source);

    // The authentication element: "<AU />" without an e-mail or a password;
    // otherwise the e-mail (not escaped), the digest of a new nonce, the
    // created time and the password, the created time and the nonce. Then,
    // when a blog URL name is given, "<BI>" with it escaped.
    RequestBody& Authentication(std::string_view email, std::string_view password, std::string_view blogUrlName);
    // "<VP />" without a viewer password; otherwise a "VP" element made
    // like the authentication element's digest, nonce and created time.
    RequestBody& ViewerPassword(std::string_view viewerPassword);

    // Closes the envelope; 0, or 8 when a write failed.
    [[nodiscard]] ErrorCode Finish();

private:
    RequestBody& Digest(std::string_view secret);

    RequestWriter& m_writer;
    Stream& m_body;
    std::string m_action;
    bool m_failed { false };
};
