#include "server/soap/RequestParser.h"

#include "server/soap/Base64.h"
#include "server/soap/WireText.h"
#include "server/soap/WireTime.h"

#include <array>
#include <cstring>
#include <pugixml.hpp>

namespace {

constexpr std::array KnownActions { "GU", "EU", "EB", "GC", "AC", "EC", "DC", "AP", "EP", "DP", "AO", "EO", "DCO", "PhotoEMail",
    "RemoteBlog", "CreateAccount", "CreateBlog" };

// The name after a namespace prefix ("soap:Body" gives "Body").
std::string_view LocalName(const char* name)
{
    std::string_view full(name);
    size_t colon = full.find(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

pugi::xml_node FirstElement(pugi::xml_node parent)
{
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element)
            return child;
    }
    return {};
}

// Reads the fields of one element, remembering the first fault; after a
// fault every read answers an empty value, so a reader can go on and check
// once at the end.
class FieldReader {
public:
    FieldReader(pugi::xml_node node, std::string& fault)
        : m_node(node)
        , m_fault(fault)
    {
    }

    pugi::xml_node Element(const char* name)
    {
        pugi::xml_node child = m_node.child(name);
        if (!child)
            Fail(std::string("the element ") + name + " is missing");
        return child;
    }

    FieldReader In(const char* name) { return FieldReader(Element(name), m_fault); }

    // The element's text, which must be UTF-8, cut to what devices read
    // back whole.
    std::string Text(const char* name, size_t limit)
    {
        std::string text = RawText(name);
        if (!IsValidUtf8(text)) {
            Fail(std::string("the text of ") + name + " is not UTF-8");
            return {};
        }
        return FitEscaped(text, limit);
    }

    // The element's text as sent, or "" when it is empty ("<TS />").
    std::string RawText(const char* name)
    {
        pugi::xml_node element = Element(name);
        std::string text;
        for (pugi::xml_node child : element.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
                text += child.value();
            else if (child.type() == pugi::node_element)
                Fail(std::string("the element ") + name + " holds markup instead of text");
        }
        return text;
    }

    std::uint32_t Number(const char* name)
    {
        auto number = OptionalNumber(name);
        if (!number && !Failed())
            Fail(std::string("the element ") + name + " is empty");
        return number.value_or(0);
    }

    // An empty element gives none.
    std::optional<std::uint32_t> OptionalNumber(const char* name)
    {
        std::string text = Trimmed(RawText(name));
        if (text.empty() || Failed())
            return std::nullopt;
        std::uint64_t value = 0;
        for (char c : text) {
            if (c < '0' || c > '9' || value > 0xFFFFFFFFu) {
                Fail(std::string("the element ") + name + " is not a number");
                return std::nullopt;
            }
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (value > 0xFFFFFFFFu) {
            Fail(std::string("the number in ") + name + " is too large");
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(value);
    }

    std::optional<std::int64_t> OptionalTime(const char* name)
    {
        std::string text = Trimmed(RawText(name));
        if (text.empty() || Failed())
            return std::nullopt;
        auto moment = ParseWireTime(text);
        if (!moment)
            Fail(std::string("the element ") + name + " is not a time");
        return moment;
    }

    std::int64_t Time(const char* name)
    {
        auto moment = OptionalTime(name);
        if (!moment && !Failed())
            Fail(std::string("the element ") + name + " is empty");
        return moment.value_or(0);
    }

    bool Has(const char* name) const { return static_cast<bool>(m_node.child(name)); }
    pugi::xml_node Node() const { return m_node; }
    bool Failed() const { return !m_fault.empty(); }
    void Fail(std::string reason)
    {
        if (m_fault.empty())
            m_fault = std::move(reason);
    }

private:
    static std::string Trimmed(std::string text)
    {
        const char* space = " \t\r\n";
        size_t first = text.find_first_not_of(space);
        if (first == std::string::npos)
            return {};
        return text.substr(first, text.find_last_not_of(space) - first + 1);
    }

    pugi::xml_node m_node;
    std::string& m_fault;
};

// "<AU />" (or an AU without a user name) is an anonymous request.
std::optional<Credentials> ReadCredentials(FieldReader& request)
{
    if (!request.Has("AU"))
        return std::nullopt;
    FieldReader auth = request.In("AU");
    if (!auth.Has("UN"))
        return std::nullopt;
    Credentials credentials;
    credentials.email = auth.RawText("UN");
    credentials.digest = auth.RawText("DI");
    credentials.created = auth.RawText("CR");
    credentials.nonce = auth.RawText("NO");
    return credentials;
}

std::optional<ViewerCredentials> ReadViewerCredentials(FieldReader& request)
{
    FieldReader viewer = request.In("VP");
    if (!viewer.Has("DI"))
        return std::nullopt;
    ViewerCredentials credentials;
    credentials.digest = viewer.RawText("DI");
    credentials.created = viewer.RawText("CR");
    credentials.nonce = viewer.RawText("NO");
    return credentials;
}

bool IsVisibleText(const std::string& visibility)
{
    return visibility == "normal";
}

std::vector<std::string> ReadList(FieldReader& list, const char* itemName)
{
    std::vector<std::string> items;
    for (pugi::xml_node item : list.Node().children(itemName)) {
        std::string text;
        for (pugi::xml_node child : item.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
                text += child.value();
        }
        if (!IsValidUtf8(text))
            list.Fail(std::string("an item of ") + itemName + " is not UTF-8");
        items.push_back(std::move(text));
    }
    return items;
}

ActionRequest ReadBody(const std::string& action, FieldReader& request)
{
    if (action == "GU")
        return GetUserInfoRequest {};
    if (action == "EU") {
        FieldReader list = request.In("EU").In("SL");
        return EditSubscriptionsRequest { ReadList(list, "SU") };
    }
    if (action == "EB") {
        FieldReader blog = request.In("BL");
        EditBlogRequest edit;
        edit.title = blog.Text("BT", WireLimits::BlogTitle);
        edit.subtitle = blog.Text("ST", WireLimits::BlogTitle);
        edit.hidden = !IsVisibleText(blog.RawText("VI"));
        return edit;
    }
    if (action == "GC") {
        GetChangesRequest changes;
        changes.since = request.OptionalTime("TS");
        changes.viewer = ReadViewerCredentials(request);
        changes.maxEntries = request.OptionalNumber("MX");
        return changes;
    }
    if (action == "AC" || action == "EC") {
        FieldReader category = request.In("CA");
        StoreCategoryRequest store;
        if (action == "EC")
            store.id = category.Number("CI");
        store.name = category.Text("NM", WireLimits::CategoryName);
        if (store.name.empty())
            category.Fail("the category has no name");
        return store;
    }
    if (action == "DC")
        return DeleteCategoryRequest { request.In("CA").Number("CI") };
    if (action == "AP" || action == "EP") {
        FieldReader entry = request.In("PI");
        StoreEntryRequest store;
        if (action == "EP")
            store.id = entry.Number("ID");
        store.categoryId = entry.Number("CI");
        store.title = entry.Text("TI", WireLimits::Title);
        store.caption = entry.Text("CP", WireLimits::Caption);
        store.posted = entry.Time("PD");
        store.taken = entry.Time("TD");
        if (action == "AP") {
            auto photo = DecodeBase64(entry.RawText("JP"));
            if (!photo)
                entry.Fail("the photo is not base64");
            else if (photo->empty())
                entry.Fail("the photo is empty");
            else
                store.photo = std::move(*photo);
        }
        return store;
    }
    if (action == "DP")
        return DeleteEntryRequest { request.In("PI").Number("ID") };
    if (action == "AO" || action == "EO") {
        FieldReader comment = request.In("OM");
        StoreCommentRequest store;
        if (action == "EO")
            store.id = comment.Number("OI");
        store.entryId = comment.Number("ID");
        store.written = comment.Time("OD");
        store.text = comment.Text("OT", WireLimits::CommentText);
        return store;
    }
    if (action == "DCO")
        return DeleteCommentRequest { request.In("OM").Number("OI") };
    if (action == "PhotoEMail") {
        PhotoEmailRequest email;
        email.categoryId = request.Number("CI");
        email.entryId = request.OptionalNumber("ID").value_or(0);
        FieldReader recipients = request.In("RS");
        email.recipients = ReadList(recipients, "RP");
        email.message = request.Text("MG", WireLimits::Message);
        return email;
    }
    if (action == "RemoteBlog") {
        RemoteBlogRequest post;
        post.categoryId = request.Number("CI");
        post.entryId = request.OptionalNumber("ID").value_or(0);
        post.remoteBlog = request.Text("RB", WireLimits::RemoteBlogName);
        post.title = request.Text("TI", WireLimits::Title);
        post.caption = request.Text("CP", WireLimits::Caption);
        return post;
    }
    if (action == "CreateAccount") {
        CreateAccountRequest account;
        account.email = request.RawText("EMail");
        account.password = request.RawText("Password");
        account.firstName = request.Text("FirstName", WireLimits::PersonName);
        account.lastName = request.Text("LastName", WireLimits::PersonName);
        return account;
    }
    // CreateBlog, the last one IsKnownAction lets through.
    CreateBlogRequest blog;
    blog.name = request.RawText("BlogURL");
    blog.title = request.Text("Title", WireLimits::BlogTitle);
    blog.subtitle = request.Text("Subtitle", WireLimits::BlogTitle);
    blog.hidden = !IsVisibleText(request.RawText("Visibility"));
    return blog;
}

MalformedRequest Malformed(std::string reason)
{
    return MalformedRequest { std::move(reason) };
}

}

bool IsKnownAction(std::string_view action)
{
    for (const char* known : KnownActions) {
        if (action == known)
            return true;
    }
    return false;
}

std::variant<ServiceRequest, MalformedRequest> ParseServiceRequest(std::string_view body)
{
    pugi::xml_document document;
    // A SOAP message has no document type declaration; it is parsed (not
    // skipped) so that it can be refused. No entity of a DTD is ever
    // expanded: pugixml knows only the predefined ones.
    unsigned options = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_doctype;
    pugi::xml_parse_result parsed = document.load_buffer(body.data(), body.size(), options, pugi::encoding_utf8);
    if (!parsed)
        return Malformed(std::string("the XML is not well formed: ") + parsed.description() + " at byte " + std::to_string(parsed.offset));
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_doctype)
            return Malformed("a document type declaration is not allowed");
    }

    pugi::xml_node envelope = document.document_element();
    if (LocalName(envelope.name()) != "Envelope")
        return Malformed("the document is not a SOAP envelope");
    pugi::xml_node soapBody;
    for (pugi::xml_node child : envelope.children()) {
        if (child.type() == pugi::node_element && LocalName(child.name()) == "Body")
            soapBody = child;
    }
    if (!soapBody)
        return Malformed("the envelope has no body");
    pugi::xml_node actionElement = FirstElement(soapBody);
    if (!actionElement)
        return Malformed("the body holds no action");

    ServiceRequest request;
    request.action = std::string(LocalName(actionElement.name()));
    if (!IsKnownAction(request.action))
        return Malformed("unknown action " + request.action.substr(0, 64));
    pugi::xml_node inner = actionElement.child("RQ").child(request.action.c_str()).child("RQ");
    if (!inner)
        return Malformed("the action " + request.action + " lacks its RQ, " + request.action + ", RQ nesting");

    std::string fault;
    FieldReader fields(inner, fault);
    request.version = fields.RawText("V");
    if (request.action != "CreateAccount") {
        fields.Element("AU");
        request.credentials = ReadCredentials(fields);
    }
    if (fields.Has("BI")) {
        std::string name = fields.RawText("BI");
        if (!IsValidUtf8(name))
            fields.Fail("the blog name is not UTF-8");
        request.blogName = std::move(name);
    }
    request.body = ReadBody(request.action, fields);
    if (!fault.empty())
        return Malformed(fault);
    return request;
}
