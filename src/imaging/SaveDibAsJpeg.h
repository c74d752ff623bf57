#pragma once

#include "platform/ErrorCode.h"
#include "platform/ErrorOr.h"

#include <cstdint>
#include <string>
#include <vector>

class Dib;

// Writes a 16-, 24- or 32-bit bitmap to path as a baseline JPEG of the given
// quality (0-100). The file is replaced only when the whole picture has been
// written; on any failure no file (and no part of one) is left and the
// code says why.
ErrorCode SaveDibAsJpeg(const Dib& bitmap, const std::string& path, int quality);

// The same JPEG file's bytes, made in memory.
ErrorOr<std::vector<std::uint8_t>> EncodeDibAsJpeg(const Dib& bitmap, int quality);
