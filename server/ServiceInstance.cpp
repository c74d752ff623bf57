#include "server/ServiceInstance.h"

#include "server/storage/ServiceMeta.h"
#include "server/storage/SqliteDatabase.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <chrono>
#include <sys/stat.h>

std::int64_t SystemClockSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

ErrorOr<std::unique_ptr<ServiceInstance>> OpenServiceInstance(const ServerOptions& options, std::string& problem)
{
    // The database holds the passwords the digests are checked with.
    for (const std::string& folder : { options.dataFolder, options.photosFolder }) {
        if (ErrorCode code = CreateFolderWithParents(folder); code != Error::Success) {
            problem = "cannot create the folder " + folder;
            return code;
        }
    }
    ::chmod(options.dataFolder.c_str(), 0700);

    auto instance = std::make_unique<ServiceInstance>();
    instance->settings.clock = SystemClockSeconds;
    instance->settings.defaultQuota = options.defaultQuota;
    instance->settings.keepDeletionsSeconds = std::int64_t(options.keepDeletionsDays) * 86400;
    instance->settings.publicHost = options.publicHost;

    std::string path = JoinPath(options.dataFolder, "vellumbrix.db");
    auto database = SqliteDatabase::Open(path);
    if (database.IsError()) {
        problem = "cannot open the database " + path;
        return database.GetError();
    }
    instance->database = database.ReleaseValue();
    auto transaction = instance->database->Begin(TransactionKind::Write);
    if (transaction.IsError()) {
        problem = "cannot write to the database " + path;
        return transaction.GetError();
    }
    if (ErrorCode code = InitializeServiceMeta(**transaction, instance->settings.clock()); code != Error::Success) {
        problem = "cannot set up the database " + path;
        return code;
    }
    if (ErrorCode code = (*transaction)->Commit(); code != Error::Success) {
        problem = "cannot set up the database " + path;
        return code;
    }
    instance->photos = std::make_unique<PhotoStore>(options.photosFolder);
    instance->messages = std::make_unique<MessageFiles>(options.dataFolder);
    return instance;
}
