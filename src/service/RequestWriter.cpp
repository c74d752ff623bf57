#include "service/RequestWriter.h"

#include "service/AuthenticationDigest.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamUtilities.h"
#include "transport/XmlWriter.h"

#include <string>

namespace {

constexpr std::string_view kEnvelopeStart = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                            "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                                            "<soap:Body>";
constexpr std::string_view kEnvelopeEnd = "></soap:Body></soap:Envelope>\r\n";

}

void RequestWriter::SetSoapAction(std::string_view host, std::string_view action)
{
    m_soapActionLine = "SOAPAction: \"http://";
    m_soapActionLine.append(host).append("/ws/").append(action).append("\"");
}

RequestBody::RequestBody(RequestWriter& writer, Stream& body, std::string_view host, std::string_view action)
    : m_writer(writer)
    , m_body(body)
    , m_action(action)
{
    writer.SetSoapAction(host, action);
    Text(kEnvelopeStart).Text("<").Text(action).Text(" xmlns=\"http://").Text(host).Text("/ws\"><RQ><");
    Text(action).Text("><RQ><V>3</V>");
}

RequestBody& RequestBody::Text(std::string_view literal)
{
    if (!m_failed)
        m_failed = !WriteText(m_body, literal);
    return *this;
}

RequestBody& RequestBody::Escaped(std::string_view value)
{
    if (!m_failed)
        m_failed = !WriteEscaped(m_body, value);
    return *this;
}

RequestBody& RequestBody::Number(std::uint32_t value)
{
    return Text(std::to_string(value));
}

RequestBody& RequestBody::Time(ProgramTime time, bool utc)
{
    return Text(m_writer.GetHttp().FormatTime(time, utc));
}

RequestBody& RequestBody::Base64(Stream& source)
{
    if (!m_failed)
        m_failed = !WriteBase64(m_body, source);
    return *this;
}

// "<DI>" digest "</DI><CR>" created "</CR><NO>" nonce "</NO>", each made
// anew.
RequestBody& RequestBody::Digest(std::string_view secret)
{
    Http& http = m_writer.GetHttp();
    std::string nonce = http.MakeNonce();
    std::string created = http.FormatTime(http.GetCurrentSeconds(), true);
    Sha1Digest digest = AuthenticationDigest(nonce, created, secret);
    ReadOnlyMemoryStream digestBytes(std::span<const std::uint8_t>(digest.data(), digest.size()));
    return Text("<DI>").Base64(digestBytes).Text("</DI><CR>").Text(created).Text("</CR><NO>").Text(nonce).Text("</NO>");
}

RequestBody& RequestBody::Authentication(std::string_view email, std::string_view password, std::string_view blogUrlName)
{
    if (email.empty() || password.empty())
        Text("<AU />");
    else
        Text("<AU><UN>").Text(email).Text("</UN>").Digest(password).Text("</AU>");
    if (!blogUrlName.empty())
        Text("<BI>").Escaped(blogUrlName).Text("</BI>");
    return *this;
}

RequestBody& RequestBody::ViewerPassword(std::string_view viewerPassword)
{
    if (viewerPassword.empty())
        return Text("<VP />");
    return Text("<VP>").Digest(viewerPassword).Text("</VP>");
}

ErrorCode RequestBody::Finish()
{
    Text("</RQ></").Text(m_action).Text("></RQ></").Text(m_action).Text(kEnvelopeEnd);
    return m_failed ? Error::NotEnoughMemory : Error::Success;
}
