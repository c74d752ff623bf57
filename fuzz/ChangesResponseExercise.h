#pragma once

#include "platform/Clock.h"
#include "platform/ErrorCode.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What one input of the changes-response fuzzer did to its store: the
// code, the server's timestamp, and the categories, entries and comments
// left ("code timestamp categories entries comments").
struct ChangesFuzzOutcome {
    ErrorCode code { 0 };
    ProgramTime timestamp { 0 };
    std::size_t categories { 0 };
    std::size_t entries { 0 };
    std::size_t comments { 0 };

    std::string Text() const;
    bool operator==(const ChangesFuzzOutcome&) const = default;
};

// Merges one input into a fresh store of a few records (its first byte
// chooses a full refresh, a group blog, whether the user owns it, local
// changes to the blog's settings and whether to save; the rest is the
// response body, read from a temporary file), checks that the store kept
// its orders and ids, and when asked saves it into a temporary folder and
// checks that loading the file gives the same records. A broken rule
// aborts (the fuzzer's finding).
ChangesFuzzOutcome ProcessChangesInput(const std::uint8_t* data, std::size_t size);
