#pragma once

#include <cstdint>
#include <span>
#include <string>

// Everything that reads what a server sends, run over arbitrary bytes taken
// as a response: the status and the body of the HTTP response, then the
// forward scan of a changes response with the buffer sizes the service
// uses, through a temporary-file stream (its 4096-byte buffer and block
// boundaries) and through a memory stream, and the XML entity decoding.
// Returns one line: the status, what the scan found and a digest of every
// value it read, e.g. "status 0, body, 2 blogs, 1 categories, 3 entries,
// values 5d0e1c44". Both streams must give the same line; when they do not,
// the line says so.
std::string ScanResponseBytes(std::span<const std::uint8_t> bytes);
