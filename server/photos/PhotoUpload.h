#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <string>
#include <string_view>

// The photo of a new entry, ready to be stored: its location removed, its
// size read, and checked to be a picture our decoder reads whole (so every
// smaller picture can be made from it later). It is decoded and written
// before the request's transaction begins, so that this work never holds
// the database's write lock.
struct UploadedPhoto {
    std::string key; // names its files
    std::uint32_t width { 0 };
    std::uint32_t height { 0 };
    std::string bytes; // the file as it is stored
    bool stored { false };
};

// The upload read up to its decoding: its location removed, a file cut
// short or one whose headers our decoder does not read refused (with the
// decoder's code or InvalidData), its size read and its key made. Its
// decoding (CheckPictureDecodes on its bytes) is the costly step left, which
// the service runs while the photo's file is written.
ErrorOr<UploadedPhoto> ReadPhotoUpload(std::string_view jpeg);

// Both steps: fails with the decoder's code (or InvalidData) for anything
// but a JPEG photo the service can serve.
ErrorOr<UploadedPhoto> PreparePhotoUpload(std::string_view jpeg);
