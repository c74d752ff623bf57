#pragma once

#include <cstdint>
#include <span>
#include <string>

// Arbitrary bytes as the registry file: the hive reads them; what it read
// is written out and read again, which must give the very same hive without
// damage; then a key is added, which saves the file (keeping a damaged one
// aside first), and a fresh read must find the key and everything read
// before, while the kept copy holds the original bytes.
struct RegistryRoundTripOutcome {
    // One line, e.g. "damaged, 2 keys, 3 values".
    std::string summary;
    // Empty when every check held; otherwise the one that did not.
    std::string mismatch;
};

// Works in `folder`, which must exist, and removes its own files again.
RegistryRoundTripOutcome RoundTripRegistryFile(const std::string& folder, std::span<const std::uint8_t> bytes);
