#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writes an answer envelope. Devices find each value by scanning forward
// for its tag, so the answer holds nothing but the envelope, the action's
// response element and the fields in the order they are read; every value
// is escaped with the eight entities of WireText.h.
class ResponseWriter {
public:
    // host names the service in the response element's namespace.
    ResponseWriter(std::string_view action, std::string_view host);

    ResponseWriter& Text(std::string_view tag, std::string_view value);
    ResponseWriter& Number(std::string_view tag, std::uint64_t value);
    ResponseWriter& Open(std::string_view tag);
    // A record's start tag with its deleted flag: <PI D="false">.
    ResponseWriter& OpenRecord(std::string_view tag, bool deleted);
    ResponseWriter& Close(std::string_view tag);

    // The whole envelope; the writer is spent afterwards.
    std::string Finish();

private:
    std::string m_action;
    std::string m_text;
};

// The answer a device reads as a server error: its "<MS>" text, then
// anything the refusal carries (the alternates of a taken blog name).
std::string RefusalAnswer(std::string_view action, std::string_view host, std::string_view message, std::string_view extraXml = {});

// A SOAP fault, for requests that are not a device's (sent with an HTTP
// error status, so devices never scan it).
std::string FaultAnswer(std::string_view code, std::string_view reason);
