#pragma once

#include "server/actions/BlogAccess.h"
#include "server/actions/ServiceSettings.h"
#include "server/photos/PhotoStore.h"
#include "server/photos/PhotoUpload.h"
#include "server/soap/ResponseWriter.h"
#include "server/soap/ServiceRequest.h"
#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <string>
#include <vector>

struct PhotoToRemove {
    std::string blogName;
    std::string key;
};

// Everything an action works with, inside the request's transaction.
struct ActionContext {
    ActionContext(SqlTransaction& db, PhotoStore& photos, const ServiceSettings& settings, const ServiceRequest& request, std::int64_t now,
        std::string host)
        : db(db)
        , photos(photos)
        , settings(settings)
        , request(request)
        , now(now)
        , host(std::move(host))
    {
    }

    SqlTransaction& db;
    PhotoStore& photos;
    const ServiceSettings& settings;
    const ServiceRequest& request;
    std::int64_t now { 0 };
    std::string host;               // the service host the answer names
    std::string scheme { "http" };  // how its addresses are reached
    std::optional<UserRecord> user; // the authenticated user, if any
    // The blog the request names (BI), for the actions that work on one.
    std::optional<BlogRecord> blog;
    BlogAccess access;
    UploadedPhoto* upload { nullptr }; // "AP" only
    // Photo files to delete once the transaction has committed.
    std::vector<PhotoToRemove> photosToRemove;
    // A remark for the request's log line.
    std::string note;

    std::string Site() const { return scheme + "://" + host; }
    const BlogRecord& Blog() const { return *blog; }
    std::uint32_t UserId() const { return user ? user->id : 0; }
};

// What an action answers: an envelope with its fields, or a refusal the
// device reads as a server error (then nothing the action wrote is kept).
struct ActionOutcome {
    std::string body;
    std::string refusal; // the "<MS>" text when refused
};

ActionOutcome Answer(ResponseWriter& writer);
ActionOutcome Refuse(const ActionContext& context, const char* message, std::string_view extraXml = {});
// An answer with no fields: the action was done.
ActionOutcome Done(const ActionContext& context);
// The change stamp for what this request writes.
ErrorOr<std::int64_t> Stamp(ActionContext& context);

// Runs the request's action. Internal failures (the database) come back as
// codes; everything the device did wrong is an outcome.
ErrorOr<ActionOutcome> RunAction(ActionContext& context);
