#pragma once

#include <cstdint>
#include <span>
#include <string>

// Arbitrary bytes taken once as a blog store file and once as a user file:
// each is loaded with the program's own load, saved into a folder and
// loaded again from there. The second load must succeed and give the same
// records as the first, which shows as the two saves writing the very same
// bytes.
struct RoundTripOutcome {
    // One line: what each first load returned and kept, e.g. "store: load 38,
    // version 1, 2 entries, 0 categories, ...; user: load 0, ...".
    std::string summary;
    // Empty when the second loads matched the first; otherwise what did not.
    std::string mismatch;
};

// Works in `folder`, which must exist, and removes its own files again.
RoundTripOutcome RoundTripStoreAndUserFile(const std::string& folder, std::span<const std::uint8_t> bytes);
