#include "server/http/ServiceServer.h"

#include "server/http/RequestLog.h"
#include "server/storage/Blogs.h"
#include "server/storage/Entries.h"

#include "platform/File.h"

#include <charconv>
#include <httplib.h>
#include <sys/socket.h>

namespace {

// What the service's addresses may name as their host: a name or address
// with its port, short enough that every address stays under 128 bytes.
constexpr size_t MaximumHostLength = 48;

bool IsUsableHost(const std::string& host)
{
    if (host.empty() || host.size() > MaximumHostLength)
        return false;
    for (char c : host) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ':' || c == '['
                || c == ']'))
            return false;
    }
    return true;
}

// A decimal parameter; none when missing or not a number in range.
std::optional<std::uint32_t> NumberParameter(const httplib::Request& request, const char* name)
{
    if (!request.has_param(name))
        return std::nullopt;
    std::string text = request.get_param_value(name);
    std::uint32_t value = 0;
    auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

void PlainAnswer(httplib::Response& response, int status, const std::string& text)
{
    response.status = status;
    response.set_content(text + "\n", "text/plain; charset=utf-8");
}

void PageAnswer(httplib::Response& response, const WebPage& page)
{
    response.status = page.status;
    if (!page.location.empty())
        response.set_header("Location", page.location);
    if (!page.setCookie.empty())
        response.set_header("Set-Cookie", page.setCookie);
    response.set_header("Cache-Control", "no-cache");
    response.set_header("Content-Security-Policy",
        "default-src 'none'; img-src 'self'; style-src 'unsafe-inline'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("Referrer-Policy", "same-origin");
    response.set_content(page.html, "text/html; charset=utf-8");
}

void InternalError(httplib::Response& response, ErrorCode code)
{
    CurrentRequestNotes().outcome = "failed with code " + std::to_string(code);
    PlainAnswer(response, code == Error::SharingViolation ? 503 : 500, "The service could not answer this request.");
}

}

ServiceServer::ServiceServer(SqlDatabase& database, PhotoStore& photos, const MessageFiles& messages, const ServiceSettings& settings,
    HttpLimits limits, const TlsFiles& tls)
    : m_database(database)
    , m_photos(photos)
    , m_messages(messages)
    , m_settings(settings)
    , m_scheme(tls.Wanted() ? "https" : "http")
    , m_endpoint(database, photos, settings, m_scheme)
    , m_pages(database)
    , m_server(tls.Wanted() ? std::make_unique<httplib::SSLServer>(tls.certificate.c_str(), tls.key.c_str())
                            : std::make_unique<httplib::Server>())
{
    int threads = limits.threads;
    m_server->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
    m_server->set_payload_max_length(limits.maxBodyBytes);
    // An answer goes out as headers and body, two writes: without this the
    // body waits for the device to acknowledge the headers, which it delays
    // by 40 ms, on every request.
    m_server->set_tcp_nodelay(true);
    // Only SO_REUSEADDR (a restart need not wait for old connections), not
    // the library's SO_REUSEPORT, with which a second server started on the
    // same port would quietly share it. The socket is kept for Bind.
    m_server->set_socket_options([this](socket_t socket) {
        int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        m_listeningSocket = socket;
    });
    m_server->set_read_timeout(30, 0);
    m_server->set_write_timeout(30, 0);
    m_server->set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        StartRequestNotes();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_server->set_logger([](const httplib::Request& request, const httplib::Response& response) {
        WriteRequestLine(request.remote_addr, request.method, request.path, response.status);
    });
    m_server->set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        CurrentRequestNotes().outcome = "failed: out of memory or an unexpected fault";
        PlainAnswer(response, 500, "The service could not answer this request.");
    });
    m_server->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty())
            PlainAnswer(response, response.status, response.status == 413 ? "The request is larger than this service takes." : "Not found.");
    });
    AddRoutes();
}

ServiceServer::~ServiceServer() = default;

bool ServiceServer::IsUsable() const
{
    return m_server->is_valid();
}

int ServiceServer::Bind(const std::string& host, int port)
{
    m_listenHost = host;
    int bound = port == 0 ? m_server->bind_to_any_port(host) : (m_server->bind_to_port(host, port) ? port : -1);
    // The library listens with a backlog of 5, which a score of devices
    // connecting at once overflows; the connections beyond it then wait for
    // the kernel's retries, or fail. Listening again sets a longer one.
    if (bound > 0 && m_listeningSocket >= 0)
        ::listen(m_listeningSocket, SOMAXCONN);
    return bound;
}

bool ServiceServer::Run()
{
    return m_server->listen_after_bind();
}

void ServiceServer::Stop()
{
    m_server->stop();
}

void ServiceServer::AddRoutes()
{
    auto addressHost = [this](const httplib::Request& request) {
        if (!m_settings.publicHost.empty())
            return m_settings.publicHost;
        std::string host = request.get_header_value("Host");
        if (IsUsableHost(host))
            return host;
        return m_listenHost + ":" + std::to_string(request.local_port);
    };

    m_server->Post(R"(/ws/?)", [this, addressHost](const httplib::Request& request, httplib::Response& response) {
        WsAnswer answer = m_endpoint.Handle(request.body, addressHost(request));
        RequestNotes& notes = CurrentRequestNotes();
        notes.action = answer.action;
        notes.user = answer.user;
        notes.outcome = answer.outcome;
        response.status = answer.status;
        response.set_content(answer.body, "text/xml; charset=utf-8");
    });

    // An entry's picture, found by its address; the address holds the
    // photo's random key, so a deleted entry's or a guessed address finds
    // nothing.
    auto servePhoto = [this](httplib::Response& response, const std::string& address, std::optional<std::pair<int, int>> scale) {
        auto photo = PhotoStore::ParseAddressPath(address);
        if (!photo) {
            PlainAnswer(response, 404, "No such photo.");
            return;
        }
        {
            auto transaction = m_database.Begin(TransactionKind::Read);
            if (transaction.IsError())
                return InternalError(response, transaction.GetError());
            auto blog = FindBlogByName(**transaction, photo->blogName);
            if (blog.IsError())
                return InternalError(response, blog.GetError());
            std::optional<EntryRecord> entry;
            if (*blog) {
                auto found = FindEntry(**transaction, (*blog)->id, photo->entryId);
                if (found.IsError())
                    return InternalError(response, found.GetError());
                entry = std::move(*found);
            }
            if (!entry || entry->deleted || entry->photoKey != photo->key) {
                PlainAnswer(response, 404, "No such photo.");
                return;
            }
        }
        ErrorOr<std::string> bytes = std::string();
        if (scale) {
            bytes = m_photos.ScaledPicture(photo->blogName, photo->key, photo->variant, scale->first, scale->second);
        } else {
            auto file = m_photos.VariantFile(photo->blogName, photo->key, photo->variant);
            bytes = file.IsError() ? ErrorOr<std::string>(file.GetError()) : ReadWholeFile(*file);
        }
        if (bytes.IsError())
            return InternalError(response, bytes.GetError());
        // A key's pictures never change.
        response.set_header("Cache-Control", "public, max-age=31536000, immutable");
        response.set_content(*bytes, "image/jpeg");
    };

    m_server->Get(R"(/photos/.*)", [servePhoto](const httplib::Request& request, httplib::Response& response) {
        CurrentRequestNotes().action = "photo";
        servePhoto(response, request.path.substr(1), std::nullopt);
    });

    m_server->Get("/si.aspx", [servePhoto](const httplib::Request& request, httplib::Response& response) {
        CurrentRequestNotes().action = "scaler";
        std::string image = request.get_param_value("img");
        if (!image.empty() && image.front() == '/')
            image.erase(0, 1);
        auto longSide = NumberParameter(request, "ld").value_or(0);
        auto quality = NumberParameter(request, "q").value_or(0);
        if (longSide == 0) {
            servePhoto(response, image, std::nullopt); // the picture unchanged
            return;
        }
        int side = static_cast<int>(std::min<std::uint32_t>(longSide, MaximumScaledSide));
        int q = quality == 0 ? 85 : static_cast<int>(std::min<std::uint32_t>(quality, 100));
        servePhoto(response, image, std::make_pair(side, q));
    });

    m_server->Get("/Downloads/messages/ppc/Vellumbrix.txt", [this](const httplib::Request&, httplib::Response& response) {
        CurrentRequestNotes().action = "messages";
        auto text = m_messages.MessageFile();
        if (text.IsError())
            return InternalError(response, text.GetError());
        response.set_content(*text, "text/plain; charset=utf-8");
    });

    m_server->Get("/Downloads/messages/ppc/VellumbrixChannels.txt", [this](const httplib::Request&, httplib::Response& response) {
        CurrentRequestNotes().action = "channels";
        auto text = m_messages.ChannelsFile();
        if (text.IsError())
            return InternalError(response, text.GetError());
        response.set_content(*text, "text/plain; charset=utf-8");
    });

    m_server->Get("/", [this](const httplib::Request&, httplib::Response& response) {
        CurrentRequestNotes().action = "home";
        auto page = m_pages.Home();
        if (page.IsError())
            return InternalError(response, page.GetError());
        PageAnswer(response, *page);
    });

    m_server->Get(R"(/([A-Za-z0-9_-]{1,64})/?)", [this](const httplib::Request& request, httplib::Response& response) {
        CurrentRequestNotes().action = "page";
        BlogPageQuery query;
        query.blogName = request.matches[1];
        query.albumId = NumberParameter(request, "albumid");
        query.previewId = NumberParameter(request, "preview");
        query.page = NumberParameter(request, "page").value_or(1);
        query.cookieHeader = request.get_header_value("Cookie");
        if (query.previewId)
            query.queryText = "preview=" + std::to_string(*query.previewId);
        else if (query.albumId)
            query.queryText = "albumid=" + std::to_string(*query.albumId);
        auto page = m_pages.Blog(query);
        if (page.IsError())
            return InternalError(response, page.GetError());
        PageAnswer(response, *page);
    });

    m_server->Post(R"(/([A-Za-z0-9_-]{1,64})/?)", [this](const httplib::Request& request, httplib::Response& response) {
        CurrentRequestNotes().action = "unlock";
        auto page = m_pages.Unlock(request.matches[1], request.get_param_value("password"), request.get_param_value("next"));
        if (page.IsError())
            return InternalError(response, page.GetError());
        PageAnswer(response, *page);
    });
}
