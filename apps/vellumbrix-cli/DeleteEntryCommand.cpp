#include "BlogCommandHelpers.h"
#include "CliCommand.h"

#include "app/Messages.h"

#include <iostream>

static constexpr StringId kDeleteEntryQuestion = 304;

// vellumbrix-cli delete-entry BLOG INDEX [--on-web] [--delete-photo]: the
// "Delete Entry" command of the entry page. INDEX is the entry's position
// in the store (the "index" that "entries" prints), whatever the filters.
//
// Without --on-web the entry stays in the store, hidden and no longer
// pending, so that no sync brings it back and the web keeps it. With
// --on-web it leaves the store and is queued for deletion on the web at the
// next sync; that needs an entry that is on the web and that the user may
// change. --delete-photo also deletes the photo file on the device.
// Question 304 is asked first; unless it is answered Yes nothing changes.
int RunDeleteEntryCommand(CliArguments& arguments)
{
    bool onWeb = arguments.TakeFlag("--on-web");
    bool deletePhoto = arguments.TakeFlag("--delete-photo");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("delete-entry", arguments.Error());
    if (positional.size() != 2)
        return UsageError("delete-entry", "give the blog and the entry's index");
    auto index = ParseNumber(positional[1], 4294967295u);
    if (!index)
        return UsageError("delete-entry", "the index is a number (see vellumbrix-cli entries)");

    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("delete-entry", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;
    if (*index >= store.GetEntries().GetSize())
        return Failure("delete-entry: the blog has no entry " + positional[1] + " (see vellumbrix-cli entries)");
    BlogEntry& entry = *store.GetEntries().GetAt(*index);
    if (onWeb && !entry.IsOnTheWeb())
        return Failure("delete-entry: entry " + positional[1] + " was never published; delete it without --on-web");
    if (onWeb && store.IsReadOnly(&entry))
        return Failure("delete-entry: you may not delete entry " + positional[1] + " on the web; delete it without --on-web");

    if (!AskStringQuestion(kDeleteEntryQuestion, DefaultButton::No))
        return Failure("delete-entry: nothing was deleted");
    nlohmann::ordered_json json {
        { "deleted", IndexedEntryJson(*index, entry) },
        { "on_web", onWeb },
        { "photo_deleted", false },
    };
    std::string photoPath = entry.GetPhotoPath();
    ErrorCode photoError = store.DeleteEntryAsAsked(entry, onWeb, deletePhoto);
    if (photoError)
        std::cerr << "delete-entry: the photo " << photoPath << " could not be deleted (system error " << photoError << ")\n";
    json["photo_deleted"] = deletePhoto && !photoPath.empty() && !photoError;
    if (int saved = SaveStore(store))
        return saved;
    PrintJson(json);
    return photoError ? ExitFailure : ExitSuccess;
}
