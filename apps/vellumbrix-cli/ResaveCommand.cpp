#include "ArchiveFileKind.h"
#include "CliCommand.h"

#include "platform/FileSystem.h"

#include <iostream>
#include <nlohmann/json.hpp>

template<typename Record>
static int SaveBack(Record& record, const std::string& path, std::uint32_t formatVersion)
{
    // A failed save has already shown message 6002.
    if (ErrorCode error = record.Save())
        return Failure(path + " could not be saved: " + SystemErrorText(error) + "; the old file is unchanged");
    auto size = FileSizeOf(path);
    nlohmann::ordered_json json {
        { "file", path },
        { "format_version", formatVersion },
        { "size", size.IsError() ? 0 : *size },
    };
    if (!record.GetPreservedCopyPath().empty())
        json["damaged_copy"] = record.GetPreservedCopyPath();
    std::cout << json.dump(2) << "\n";
    return ExitSuccess;
}

// vellumbrix-cli resave FILE: loads a blog store (.vxl) or user file (.vxu)
// with its own load and writes it back with its own save. A damaged file is
// reported and left alone.
int RunResaveCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("resave", arguments.Error());
    if (positional.size() != 1)
        return UsageError("resave", "give exactly one file");
    const std::string& path = positional[0];

    int status = ExitSuccess;
    switch (ArchiveFileKindOf(path)) {
    case ArchiveFileKind::BlogStore: {
        auto store = LoadStoreFile(path, status);
        if (!store)
            return status;
        return SaveBack(*store, path, CWinBlogStorage::kFormatVersion);
    }
    case ArchiveFileKind::UserFile: {
        auto user = LoadUserFile(path, status);
        if (!user)
            return status;
        return SaveBack(*user, path, CWinBlogUser::kFormatVersion);
    }
    case ArchiveFileKind::Unknown:
        break;
    }
    return UsageError("resave", "'" + path + "' is neither a blog store file (.vxl) nor a user file (.vxu)");
}
