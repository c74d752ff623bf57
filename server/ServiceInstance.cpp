#include "server/ServiceInstance.h"

#include "server/storage/PostgresDatabase.h"
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

namespace {

ErrorOr<std::unique_ptr<SqlDatabase>> OpenDatabase(const ServerOptions& options, std::string& problem)
{
    if (!options.database.empty()) {
        auto database = PostgresDatabase::Open(options.database, problem);
        if (database.IsError())
            return database.GetError();
        return std::unique_ptr<SqlDatabase>(database.ReleaseValue());
    }
    auto database = SqliteDatabase::Open(JoinPath(options.dataFolder, "vellumbrix.db"), problem);
    if (database.IsError())
        return database.GetError();
    return std::unique_ptr<SqlDatabase>(database.ReleaseValue());
}

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

    auto database = OpenDatabase(options, problem);
    if (database.IsError())
        return database.GetError();
    instance->database = database.ReleaseValue();
    // Several processes may start at once: each sets up only what is
    // missing, and the transaction is run again after a conflict.
    for (int attempt = 1;; ++attempt) {
        auto transaction = instance->database->Begin(TransactionKind::Write);
        ErrorCode code = transaction.IsError() ? transaction.GetError() : InitializeServiceMeta(**transaction, instance->settings.clock());
        if (code == Error::Success)
            code = (*transaction)->Commit();
        if (code == Error::Success)
            break;
        if (code != TransactionConflict || attempt == 5) {
            problem = "cannot set up the database";
            return code;
        }
    }
    instance->photos = std::make_unique<PhotoStore>(options.photosFolder);
    instance->messages = std::make_unique<MessageFiles>(*instance->database, options.dataFolder);
    return instance;
}
