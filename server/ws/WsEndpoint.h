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
// nothing of the action. A transaction that meets a conflict is run again. Envelopes that are not a device's get an HTTP
// error status with a SOAP fault; everything a device may meet in normal
// use is an answer with status 200, a refusal an "<MS>" text.
class UploadGuard;
struct ServiceRequest;
struct UploadedPhoto;

class WsEndpoint {
public:
    // scheme: "http" or "https", what the answer's addresses begin with.
    WsEndpoint(SqlDatabase& database, PhotoStore& photos, const ServiceSettings& settings, std::string scheme)
        : m_database(database)
        , m_photos(photos)
        , m_settings(settings)
        , m_scheme(std::move(scheme))
    {
    }

    // host: the host (and port) the answer's addresses name.
    WsAnswer Handle(std::string_view body, const std::string& host);

private:
    // Writes an upload's photo when the request's blog will take it.
    ErrorCode StoreUpload(const ServiceRequest& request, std::int64_t now, UploadedPhoto& upload, UploadGuard& uploadGuard);
    // What one committed run of a request leaves to do and to say.
    struct RequestResult;
    ErrorOr<RequestResult> RunOnce(const ServiceRequest& request, const std::string& host, std::int64_t now, UploadedPhoto& upload,
        UploadGuard& uploadGuard);

    SqlDatabase& m_database;
    PhotoStore& m_photos;
    const ServiceSettings& m_settings;
    std::string m_scheme;
};
