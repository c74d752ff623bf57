#include "imaging/EntryThumbnail.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"

ErrorOr<Dib> MakeEntryThumbnail(File& photo)
{
    JpegImage image(photo);
    Rect rect { 0, 0, EntryThumbnailSize, EntryThumbnailSize };
    Dib bitmap;
    if (auto error = image.LoadBitmap(rect, LoadFlags::FillAndCrop, bitmap))
        return ErrorOr<Dib>::FromError(error);
    return bitmap;
}
