#include "imaging/FittingDecision.h"

#include "imaging/LoadFlags.h"

#include <utility>

static bool ShouldRotate(int width, int height, const Rect& target, uint32_t flags)
{
    if (flags & LoadFlags::NoRotate)
        return false;
    if (target.Width() == target.Height() || width == height)
        return false;
    return (width > height) != (target.Width() > target.Height());
}

static bool ShouldUseThumbnail(bool hasExifThumbnail, const Rect& target, uint32_t flags)
{
    if (!hasExifThumbnail || (flags & LoadFlags::NeverUseExifThumbnail))
        return false;
    if (flags & LoadFlags::AlwaysUseExifThumbnail)
        return true;
    int boxWidth = target.Width();
    int boxHeight = target.Height();
    if ((flags & LoadFlags::MinimumBox96) && boxWidth < 96 && boxHeight < 96)
        boxWidth = boxHeight = 96;
    return boxWidth <= 160 && boxHeight <= 160;
}

static int ChooseScale(int width, int height, int targetWidth, int targetHeight, uint32_t flags)
{
    int scale = 3;
    for (int s = 0; s <= 3; ++s) {
        if ((width >> s) <= targetWidth && (height >> s) <= targetHeight) {
            scale = s;
            break;
        }
    }
    // Decoding one step larger and letting the scaler shrink gives a
    // smoother picture than enlarging.
    if (!(flags & LoadFlags::NoFinerScale) && scale > 0 && (width >> scale) < targetWidth && (height >> scale) < targetHeight)
        --scale;
    return scale;
}

static Rect PlaceResult(int width, int height, const Rect& target, uint32_t flags)
{
    int64_t targetWidth = target.Width();
    int64_t targetHeight = target.Height();
    int64_t kx = (targetWidth << 16) / width;
    int64_t ky = (targetHeight << 16) / height;
    int64_t resultWidth;
    int64_t resultHeight;
    if (flags & LoadFlags::FillAndCrop) {
        if (kx <= ky) {
            resultHeight = targetHeight;
            resultWidth = (width * ky + 32768) >> 16;
        } else {
            resultWidth = targetWidth;
            resultHeight = (height * kx + 32768) >> 16;
        }
    } else if (flags & LoadFlags::NaturalSize) {
        resultWidth = width;
        resultHeight = height;
    } else if (kx < ky) {
        resultWidth = targetWidth;
        resultHeight = (height * kx + 32768) >> 16;
    } else {
        resultHeight = targetHeight;
        resultWidth = (width * ky + 32768) >> 16;
    }
    // A picture too thin to scale still gets one pixel.
    if (resultWidth < 1)
        resultWidth = 1;
    if (resultHeight < 1)
        resultHeight = 1;

    Rect result;
    result.left = target.left;
    result.top = target.top;
    if (!(flags & LoadFlags::NoVerticalCentre))
        result.top = static_cast<int32_t>(target.top + ((targetHeight - resultHeight) >> 1));
    if (!(flags & LoadFlags::NoHorizontalCentre))
        result.left = static_cast<int32_t>(target.left + ((targetWidth - resultWidth) >> 1));
    result.right = static_cast<int32_t>(result.left + resultWidth);
    result.bottom = static_cast<int32_t>(result.top + resultHeight);
    return result;
}

FittingDecision DecideFitting(int width, int height, bool hasExifThumbnail, const Rect& target, uint32_t flags)
{
    FittingDecision decision;
    bool rotate = ShouldRotate(width, height, target, flags);
    if (rotate)
        decision.rotation = (flags & LoadFlags::RotateCounterClockwise) ? Rotation::CounterClockwise : Rotation::Clockwise;
    decision.useExifThumbnail = ShouldUseThumbnail(hasExifThumbnail, target, flags);

    int sourceWidth = decision.useExifThumbnail ? ExifThumbnailWidth : width;
    int sourceHeight = decision.useExifThumbnail ? ExifThumbnailHeight : height;
    if (rotate)
        std::swap(sourceWidth, sourceHeight);
    decision.sourceWidth = sourceWidth;
    decision.sourceHeight = sourceHeight;
    decision.scale = ChooseScale(sourceWidth, sourceHeight, target.Width(), target.Height(), flags);
    decision.result = PlaceResult(sourceWidth, sourceHeight, target, flags);
    return decision;
}
