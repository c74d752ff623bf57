#pragma once

#include "app/StringTable.h"
#include "platform/ErrorCode.h"

#include <cstdint>

class HttpResponse;

// The steps that network operations report; the progress window shows the
// string of each (ProgressStepStringId).
enum class ProgressStep : std::uint16_t {
    Synchronizing = 0,
    StoringAlbums = 1,
    DeletingAlbums = 2,
    StoringEntry = 3,
    DeletingEntry = 4,
    GettingEntry = 5,
    CreatingAccount = 6,
    StoringData = 7,
    CheckingVersion = 8,
    Processing = 9,
    GettingChannels = 10,
    StoringComment = 11,
    DeletingComment = 12,
    CreatingBlog = 13,
    SendingEmail = 14,
    SendingBlogPost = 15,
    ErrorReport = 16,
};

// The string id of a step's text; 0 for a step without text.
StringId ProgressStepStringId(ProgressStep step);

// What an operation reports through the progress callback.
struct ProgressRecord {
    ErrorCode code { 0 }; // 0 for a step, the failure for an error report
    const HttpResponse* response { nullptr };
    ProgressStep step { ProgressStep::Synchronizing };
    const char* detail { nullptr }; // the name of the record the step works on
    std::uint16_t done { 0 };       // place in a series; 0 outside one
    std::uint16_t total { 0 };
};

// Called with a record to report a step, and with none to ask whether to go
// on; false means the user cancelled. The last argument is always -1.
using ProgressCallback = bool (*)(void* context, const ProgressRecord* record, int reserved);

// Asks the callback whether to go on; without a callback, always.
bool PollProgress(ProgressCallback callback, void* context);
