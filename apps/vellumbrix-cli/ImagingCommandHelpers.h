#pragma once

#include "platform/ErrorCode.h"
#include "platform/File.h"

#include <cstdint>
#include <optional>
#include <string>

// A code as the imaging commands show it: signed, so that the decoder's
// codes read as -217 rather than 4294967079.
inline int32_t SignedCode(ErrorCode code)
{
    return static_cast<int32_t>(code);
}

inline std::string CodeText(ErrorCode code)
{
    return "error " + std::to_string(SignedCode(code));
}

// Opens a picture file for reading; a file that cannot be opened (missing,
// a folder, a FIFO...) is reported on stderr with the reason, and `status`
// is set to the exit status.
std::optional<File> OpenPictureFile(const std::string& path, int& status);
