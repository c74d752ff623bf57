#pragma once

#include "model/LocalBlogStorage.h"
#include "platform/Clock.h"
#include "platform/ErrorOr.h"
#include "transport/Http.h"
#include "transport/Progress.h"
#include "transport/Stream.h"

// Reads a changes response ("GC") in one forward pass and merges each
// record into the store as soon as it has been read: the server's
// timestamp ("TS"), then the sections of the blog's settings ("BS" of
// "BL"), categories ("CS" of "CA"), entries ("PS" of "PI") and comments
// ("OS" of "OM"). A section the response lacks is passed over.
//
// A full refresh (the request asked for everything) first marks every
// category, entry and comment unconfirmed and at the end sweeps those the
// response did not confirm. After the 1st, 9th, 17th ... entry, step 9
// ("Processing...") is reported; a cancel there ends the processing with
// 1223.
//
// Answers the server's timestamp (0 when the response has none). The store
// is not saved: on success the caller saves it. On failure (a cancel, or
// the store's code) the records merged so far stay merged in memory, each
// of them whole; the store's file keeps what it held, and since the
// download stamp is not advanced the next sync fetches the same changes
// again.
struct ChangesProcessing {
    LocalBlogStorage& store;
    Http& http;
    bool fullRefresh { false };
    ProgressCallback progressCallback { nullptr };
    void* progressContext { nullptr };
};
// The server's time, as a changes response gives it (0 when it gives none).
struct ServerTimestamp {
    ProgramTime time { 0 };
};
ErrorOr<ServerTimestamp> ProcessChangesResponse(Stream& body, const ChangesProcessing& processing);
