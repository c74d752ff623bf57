#include "support/ChangesResponseBuilder.h"

namespace {

std::string Element(std::string_view name, std::string_view value)
{
    return "<" + std::string(name) + ">" + ChangesResponseBuilder::Escape(value) + "</" + std::string(name) + ">";
}

std::string Number(std::string_view name, std::uint32_t value)
{
    return Element(name, std::to_string(value));
}

std::string Deleted(bool deleted)
{
    return deleted ? " D=\"true\"" : " D=\"false\"";
}

}

std::string ChangesResponseBuilder::Escape(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\t':
            escaped += "&#x9;";
            break;
        case '\n':
            escaped += "&#xA;";
            break;
        case '\r':
            escaped += "&#xD;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string ChangesResponseBuilder::Envelope(std::string_view action, std::string_view inner)
{
    std::string name(action);
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
           "<"
        + name + "Response xmlns=\"http://service.example/ws\"><" + name + "Result>" + std::string(inner) + "</" + name + "Result></" + name
        + "Response></soap:Body></soap:Envelope>\r\n";
}

ChangesResponseBuilder& ChangesResponseBuilder::Timestamp(std::string_view isoTime)
{
    m_timestamp = Element("TS", isoTime);
    return *this;
}

ChangesResponseBuilder& ChangesResponseBuilder::Add(const Blog& blog)
{
    m_blogs += "<BL>" + Element("BT", blog.title) + Element("ST", blog.subtitle) + Element("TP", blog.type) + Element("VI", blog.visibility)
        + Element("WA", blog.writeAccess) + Element("CM", blog.commentAccess) + Number("BO", blog.ownerId) + "</BL>";
    return *this;
}

ChangesResponseBuilder& ChangesResponseBuilder::Add(const Category& category)
{
    m_categories += "<CA" + Deleted(category.deleted) + ">" + Number("CI", category.id) + Element("NM", category.name)
        + Element("UR", category.url) + "</CA>";
    return *this;
}

ChangesResponseBuilder& ChangesResponseBuilder::Add(const Entry& entry)
{
    m_entries += "<PI" + Deleted(entry.deleted) + ">" + Number("CI", entry.categoryId) + Number("UI", entry.posterId) + Number("ID", entry.id)
        + Element("TI", entry.title) + Element("CP", entry.caption) + Element("BY", entry.posterName) + Element("OU", entry.sourceUrl)
        + Element("PU", entry.photoUrl) + Element("TU", entry.thumbnailUrl) + Element("PD", entry.posted) + Element("TD", entry.taken)
        + "</PI>";
    return *this;
}

ChangesResponseBuilder& ChangesResponseBuilder::Add(const Comment& comment)
{
    m_comments += "<OM" + Deleted(comment.deleted) + ">" + Number("OI", comment.id) + Number("ID", comment.entryId)
        + Number("UI", comment.authorId) + Element("BY", comment.author) + Element("OD", comment.date) + Element("OT", comment.text)
        + "</OM>";
    return *this;
}

ChangesResponseBuilder& ChangesResponseBuilder::WithEmptySections()
{
    m_emptySections = true;
    return *this;
}

std::string ChangesResponseBuilder::Text() const
{
    auto section = [&](std::string_view name, const std::string& records) -> std::string {
        if (!records.empty())
            return "<" + std::string(name) + ">" + records + "</" + std::string(name) + ">";
        return m_emptySections ? "<" + std::string(name) + " />" : std::string();
    };
    return Envelope("GC",
        m_timestamp + section("BS", m_blogs) + section("CS", m_categories) + section("PS", m_entries) + section("OS", m_comments));
}
