#pragma once

#include "transport/Stream.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The service's message file ("/Downloads/messages/ppc/Vellumbrix.txt"),
// read the way the client reads every answer: scanned, not parsed. What
// counts is the first element whose name begins with "VERS" (the newest
// version, up to 15 bytes) and, after it, every "NOTE" element with its
// number ("N"), its text ("M", up to 199 bytes) and a second text ("A", up
// to 63 bytes), each looked for within its note.
struct ServiceNote {
    std::uint32_t number { 0 };
    std::string text;
    std::string secondText;
};

struct MessageFile {
    std::optional<std::string> version;
    std::vector<ServiceNote> notes;
};

// Reads the file from the stream's start. Without a version element the
// notes are looked for from the start; at most 256 notes are read.
MessageFile ReadMessageFile(Stream& file);
