#pragma once

#include "server/actions/ServiceSettings.h"
#include "server/messages/MessageFiles.h"
#include "server/options/ServerOptions.h"
#include "server/photos/PhotoStore.h"
#include "server/storage/SqlDatabase.h"

#include <memory>
#include <string>

// Everything one running service (or one administration command) works on:
// the database, the photo folder, the message files and the settings.
struct ServiceInstance {
    std::unique_ptr<SqlDatabase> database;
    std::unique_ptr<PhotoStore> photos;
    std::unique_ptr<MessageFiles> messages;
    ServiceSettings settings;
};

// Makes the folders (private to the service's user), opens the database
// (--database, or "vellumbrix.db" in the data folder) and brings its
// schema up to date, and fills in the settings from the options. On
// failure, `problem` says what failed.
ErrorOr<std::unique_ptr<ServiceInstance>> OpenServiceInstance(const ServerOptions& options, std::string& problem);

// The server's clock: seconds since 1970 UTC.
std::int64_t SystemClockSeconds();
