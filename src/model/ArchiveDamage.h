#pragma once

#include "platform/ErrorCode.h"

#include <cstdint>
#include <string>

// What kept an archive from being read to its end: where it happened, which
// field of which record could not be read, and why. Loads report it instead
// of failing silently, so that a damaged file can be named precisely to the
// user and kept aside before anything replaces it.
struct ArchiveDamage {
    enum class Kind {
        CannotOpen,      // the file exists but could not be opened
        ReadFailed,      // the system reported an error while reading
        EndOfData,       // the data ends before the field does
        UnexpectedClass, // a tagged object of a class that does not belong there
        BadSchema,       // a known class with a schema other than its own
        BadTag,          // an object tag that refers to nothing usable
        TrailingData,    // bytes left over after the last field
    };

    Kind kind { Kind::EndOfData };
    ErrorCode error { Error::InvalidData };
    std::uint64_t offset { 0 };
    std::string field;  // e.g. "title"
    std::string record; // e.g. "record 3 of 5 in entries"; empty at the top level
    std::string detail; // e.g. "2 bytes needed, 1 left"

    // One line for the user, e.g. "the data ends early at byte 1234, in the
    // title of record 3 of 5 in entries (4 bytes needed, 1 left)".
    std::string Describe() const;
};
