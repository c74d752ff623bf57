#pragma once

#include "server/actions/ServiceSettings.h"
#include "server/messages/MessageFiles.h"
#include "server/photos/PhotoStore.h"
#include "server/storage/SqlDatabase.h"
#include "server/web/BlogPages.h"
#include "server/ws/WsEndpoint.h"

#include <memory>
#include <string>

namespace httplib {
class Server;
}

struct HttpLimits {
    int threads { 8 };
    size_t maxBodyBytes { 48u << 20 }; // a photo of 30 MB as base64, and its envelope
};

// The certificate chain and private key (PEM files) of an HTTPS service;
// both empty for plain HTTP.
struct TlsFiles {
    std::string certificate;
    std::string key;

    bool Wanted() const { return !certificate.empty(); }
};

// The HTTP side of the service: every address it answers.
//   POST /ws/                                 the SOAP endpoint
//   GET  /photos/BLOG/ID-KEY[-p|-t].jpg       an entry's pictures
//   GET  /si.aspx?img=ADDRESS&ld=SIDE&q=QUALITY  the scaler
//   GET  /Downloads/messages/ppc/Vellumbrix.txt, …/VellumbrixChannels.txt
//   GET  /                                    the public blogs
//   GET  /BLOG, /BLOG/?albumid=N, /BLOG/?preview=ID   a blog's pages
//   POST /BLOG/                               a protected blog's password form
class ServiceServer {
public:
    ServiceServer(SqlDatabase& database, PhotoStore& photos, const MessageFiles& messages, const ServiceSettings& settings, HttpLimits limits,
        const TlsFiles& tls = {});
    ~ServiceServer();

    // False when the certificate or key could not be loaded.
    bool IsUsable() const;
    // "http" or "https".
    const std::string& Scheme() const { return m_scheme; }

    // Binds the listening socket; port 0 picks a free port. Answers the
    // port, or a negative number when the address can't be bound.
    int Bind(const std::string& host, int port);
    // Serves until Stop() (from any thread).
    bool Run();
    void Stop();

private:
    void AddRoutes();

    SqlDatabase& m_database;
    PhotoStore& m_photos;
    const MessageFiles& m_messages;
    const ServiceSettings& m_settings;
    std::string m_scheme;
    WsEndpoint m_endpoint;
    BlogPages m_pages;
    std::unique_ptr<httplib::Server> m_server;
    int m_listeningSocket { -1 };
    std::string m_listenHost;
};
