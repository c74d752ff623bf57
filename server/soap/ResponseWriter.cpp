#include "server/soap/ResponseWriter.h"

#include "server/soap/WireText.h"

namespace {

constexpr std::string_view EnvelopeStart = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
constexpr std::string_view EnvelopeEnd = "</soap:Body></soap:Envelope>";

}

ResponseWriter::ResponseWriter(std::string_view action, std::string_view host)
    : m_action(action)
{
    m_text.reserve(4096);
    m_text += EnvelopeStart;
    m_text += "<";
    m_text += m_action;
    m_text += "Response xmlns=\"http://";
    m_text += EscapeWireText(host);
    m_text += "/ws\"><";
    m_text += m_action;
    m_text += "Result>";
}

ResponseWriter& ResponseWriter::Text(std::string_view tag, std::string_view value)
{
    Open(tag);
    m_text += EscapeWireText(value);
    return Close(tag);
}

ResponseWriter& ResponseWriter::Number(std::string_view tag, std::uint64_t value)
{
    Open(tag);
    m_text += std::to_string(value);
    return Close(tag);
}

ResponseWriter& ResponseWriter::Open(std::string_view tag)
{
    m_text += '<';
    m_text += tag;
    m_text += '>';
    return *this;
}

ResponseWriter& ResponseWriter::OpenRecord(std::string_view tag, bool deleted)
{
    m_text += '<';
    m_text += tag;
    m_text += deleted ? " D=\"true\">" : " D=\"false\">";
    return *this;
}

ResponseWriter& ResponseWriter::Close(std::string_view tag)
{
    m_text += "</";
    m_text += tag;
    m_text += '>';
    return *this;
}

std::string ResponseWriter::Finish()
{
    m_text += "</";
    m_text += m_action;
    m_text += "Result></";
    m_text += m_action;
    m_text += "Response>";
    m_text += EnvelopeEnd;
    return std::move(m_text);
}

std::string RefusalAnswer(std::string_view action, std::string_view host, std::string_view message, std::string_view extraXml)
{
    ResponseWriter writer(action, host);
    writer.Text("MS", message);
    std::string text = writer.Finish();
    if (!extraXml.empty()) {
        // Right after the message, inside the result element.
        size_t at = text.find("</MS>") + 5;
        text.insert(at, extraXml);
    }
    return text;
}

std::string FaultAnswer(std::string_view code, std::string_view reason)
{
    std::string text(EnvelopeStart);
    text += "<soap:Fault><faultcode>";
    text += EscapeWireText(code);
    text += "</faultcode><faultstring>";
    text += EscapeWireText(reason);
    text += "</faultstring></soap:Fault>";
    text += EnvelopeEnd;
    return text;
}
