#include "imaging/EntryThumbnail.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"

static ErrorOr<Dib> FitThumbnail(JpegImage& image)
{
    Rect rect { 0, 0, EntryThumbnailSize, EntryThumbnailSize };
    Dib bitmap;
    if (auto error = image.LoadBitmap(rect, LoadFlags::FillAndCrop, bitmap))
        return ErrorOr<Dib>::FromError(error);
    return bitmap;
}

ErrorOr<Dib> MakeEntryThumbnail(File& photo)
{
    JpegImage image(photo);
    return FitThumbnail(image);
}

ErrorOr<Dib> MakeEntryThumbnail(const uint8_t* data, size_t size)
{
    JpegImage image(data, size);
    return FitThumbnail(image);
}
