#pragma once

#include "server/actions/ServiceSettings.h"
#include "server/photos/PhotoStore.h"
#include "server/storage/SqlDatabase.h"

#include <string>
#include <string_view>

// One answer of the SOAP endpoint, with what its log line tells.
struct WsAnswer {
    int status { 200 };
    std::string body;
    std::string action { "-" };
    std::string user { "-" };
    std::string outcome { "ok" };
};

// The SOAP endpoint (POST /ws/): one request envelope in, one answer out.
// Each request is one write transaction: authentication (the nonce is used
// up), the action, and its changes commit together; a refusal keeps
// nothing of the action. Envelopes that are not a device's get an HTTP
// error status with a SOAP fault; everything a device may meet in normal
// use is an answer with status 200, a refusal an "<MS>" text.
class WsEndpoint {
public:
    WsEndpoint(SqlDatabase& database, PhotoStore& photos, const ServiceSettings& settings)
        : m_database(database)
        , m_photos(photos)
        , m_settings(settings)
    {
    }

    // host: the host (and port) the answer's addresses name.
    WsAnswer Handle(std::string_view body, const std::string& host);

private:
    SqlDatabase& m_database;
    PhotoStore& m_photos;
    const ServiceSettings& m_settings;
};
