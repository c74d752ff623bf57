#pragma once

#include "platform/ErrorOr.h"

#include <string>
#include <string_view>

// Takes a photo's location out of a JPEG file without touching anything
// else: in every EXIF block the GPS directory and the values it points to
// are overwritten with zeros and its entry is taken out of the directory
// that points to it (the segment keeps its size, so no other offset moves);
// XMP packets that carry GPS values are dropped whole. The compressed
// picture and the rest of EXIF (camera, dates, the thumbnail) stay byte for
// byte. An EXIF block too damaged to walk is dropped, since a location in
// it could not be ruled out.
//
// Fails with InvalidData when the bytes do not begin with a JPEG's segment
// structure.
ErrorOr<std::string> RemoveLocation(std::string_view jpeg);
