#include "server/photos/PhotoUpload.h"

#include "server/photos/JpegSegments.h"
#include "server/photos/LocationRemoval.h"
#include "server/photos/PhotoStore.h"
#include "server/photos/PictureFitting.h"

ErrorOr<UploadedPhoto> ReadPhotoUpload(std::string_view jpeg)
{
    auto stripped = RemoveLocation(jpeg);
    if (stripped.IsError())
        return stripped.GetError();
    // A photo cut short would decode with its lower part blank.
    auto firstScan = WalkJpegHeaders(*stripped, [](const JpegSegment&) {});
    if (firstScan.IsError() || !HasEndOfImage(*stripped, *firstScan))
        return Error::InvalidData;
    auto size = ReadPictureSize(*stripped);
    if (size.IsError())
        return size.GetError();
    UploadedPhoto photo;
    photo.key = PhotoStore::NewKey();
    if (photo.key.empty())
        return Error::GeneralFailure;
    photo.width = static_cast<std::uint32_t>(size->width);
    photo.height = static_cast<std::uint32_t>(size->height);
    photo.bytes = stripped.ReleaseValue();
    return photo;
}

ErrorOr<UploadedPhoto> PreparePhotoUpload(std::string_view jpeg)
{
    auto photo = ReadPhotoUpload(jpeg);
    if (photo.IsError())
        return photo;
    if (ErrorCode code = CheckPictureDecodes(photo->bytes); code != Error::Success)
        return code;
    return photo;
}
