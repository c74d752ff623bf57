#include "ArchiveFileKind.h"
#include "ArchiveJson.h"
#include "CliCommand.h"

#include <iostream>

// vellumbrix-cli inspect FILE: a blog store (.vxl) or user file (.vxu) as
// JSON, as the program's own load reads it (a store of format version 0
// therefore shows no comments and a download stamp of 0).
int RunInspectCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("inspect", arguments.Error());
    if (positional.size() != 1)
        return UsageError("inspect", "give exactly one file");
    const std::string& path = positional[0];

    nlohmann::ordered_json json;
    int status = ExitSuccess;
    switch (ArchiveFileKindOf(path)) {
    case ArchiveFileKind::BlogStore: {
        auto store = LoadStoreFile(path, status);
        if (!store)
            return status;
        json = StoreJson(*store);
        break;
    }
    case ArchiveFileKind::UserFile: {
        auto user = LoadUserFile(path, status);
        if (!user)
            return status;
        json = UserJson(*user);
        break;
    }
    case ArchiveFileKind::Unknown:
        return UsageError("inspect", "'" + path + "' is neither a blog store file (.vxl) nor a user file (.vxu)");
    }
    // Texts are stored as the service sent them and need not be valid UTF-8.
    std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    return ExitSuccess;
}
