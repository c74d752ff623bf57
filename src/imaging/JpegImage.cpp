#include "imaging/JpegImage.h"

#include "imaging/DrawBitmap.h"
#include "imaging/FittingDecision.h"
#include "imaging/JpegDecoder.h"
#include "imaging/LoadFlags.h"
#include "imaging/ScaleRotate565.h"

#include <algorithm>
#include <cstring>

JpegImage::JpegImage(File& file)
    : m_source(file)
{
}

JpegImage::JpegImage(const uint8_t* data, size_t size)
    : m_source(data, size)
{
}

JpegImage::~JpegImage() = default;

ErrorCode JpegImage::Start()
{
    if (!m_decoder)
        m_decoder = std::make_unique<JpegDecoder>(m_source);
    if (auto error = m_decoder->StartOver())
        return error;
    return m_decoder->ReadHeader();
}

ErrorCode JpegImage::ReadInfo(JpegInfo& info)
{
    info = JpegInfo();
    if (auto error = Start())
        return error;
    const JpegFrame& frame = m_decoder->Frame();
    const ExifInfo& exif = m_decoder->Exif();
    info.width = frame.width;
    info.height = frame.height;
    info.hasExifThumbnail = exif.hasThumbnail;
    std::memcpy(info.dateTaken, exif.dateTaken.data(), std::min(exif.dateTaken.size(), sizeof info.dateTaken - 1));
    std::memcpy(info.description, exif.description.data(), std::min(exif.description.size(), sizeof info.description - 1));
    if (frame.width == 0 && frame.height == 0)
        return Error::FileNotFound;
    return Error::Success;
}

ErrorOr<Dib> JpegImage::Decode(int scale, bool exifThumbnail)
{
    if (auto error = Start())
        return ErrorOr<Dib>::FromError(error);
    if (exifThumbnail) {
        if (auto error = m_decoder->StartThumbnail())
            return ErrorOr<Dib>::FromError(error);
    }
    return m_decoder->DecodePicture(scale);
}

ErrorOr<Dib> JpegImage::DecodeFitted(const FittingDecision& decision)
{
    if (decision.useExifThumbnail) {
        if (auto error = m_decoder->StartThumbnail())
            return ErrorOr<Dib>::FromError(error);
    }
    return m_decoder->DecodePicture(decision.scale);
}

// Fill and crop: the centre, at exactly the target's size, of the picture
// scaled (and turned) to the result's size. Only that centre is scaled: the
// whole scaled picture of a tall, narrow photo would be hundreds of
// megabytes for a thumbnail of 18 KB.
static ErrorOr<Dib> ScaleCentre(const Dib& picture, Rotation rotation, const Rect& result, const Rect& target)
{
    auto cropped = CreateDib(target.Width(), target.Height(), 16);
    if (cropped.IsError())
        return cropped;
    int left = std::max((result.Width() - target.Width()) / 2, 0);
    int top = std::max((result.Height() - target.Height()) / 2, 0);
    ScaleRotate565Part(picture.Bits(), picture.Stride(), picture.Width(), picture.Height(), rotation, result.Width(), result.Height(), left, top,
        cropped->Bits(), cropped->Stride(), cropped->Width(), cropped->Height());
    return cropped;
}

ErrorCode JpegImage::Load(DeviceContext* context, Rect& rect, uint32_t flags)
{
    m_bitmap = Dib();
    if (auto error = Start())
        return error;
    const JpegFrame& frame = m_decoder->Frame();
    if (frame.width == 0 || frame.height == 0)
        return Error::JpegInvalid;
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return Error::InvalidParameter;

    FittingDecision decision = DecideFitting(frame.width, frame.height, m_decoder->Exif().hasThumbnail, rect, flags);
    auto decoded = DecodeFitted(decision);
    if (decoded.IsError() && decision.useExifThumbnail) {
        // A damaged thumbnail doesn't keep the picture from being shown.
        if (auto error = Start())
            return error;
        decision = DecideFitting(frame.width, frame.height, false, rect, flags);
        decoded = DecodeFitted(decision);
    }
    if (decoded.IsError())
        return decoded.GetError();

    Rect result = decision.result;
    Dib picture = decoded.ReleaseValue();
    if (flags & LoadFlags::FillAndCrop) {
        auto centre = ScaleCentre(picture, decision.rotation, result, rect);
        if (centre.IsError())
            return centre.GetError();
        picture = centre.ReleaseValue();
        result = rect;
    } else if (picture.Width() != result.Width() || picture.Height() != result.Height() || decision.rotation != Rotation::None) {
        auto scaled = CreateDib(result.Width(), result.Height(), 16);
        if (!scaled.IsError()) {
            ScaleRotate565(picture.Bits(), picture.Stride(), picture.Width(), picture.Height(), decision.rotation,
                scaled->Bits(), scaled->Stride(), scaled->Width(), scaled->Height());
            picture = scaled.ReleaseValue();
        }
    }

    if (!(flags & LoadFlags::ReturnBitmap)) {
        if (context)
            DrawBitmap(*context, result, picture, false);
    } else {
        m_bitmap = std::move(picture);
    }
    m_result = result;
    rect = result;
    return Error::Success;
}

ErrorCode JpegImage::Draw(DeviceContext& context, Rect& rect, uint32_t flags)
{
    ErrorCode error = Load(&context, rect, flags);
    if (flags & LoadFlags::ReturnBitmap)
        return error;
    m_bitmap = Dib();
    return error;
}

ErrorCode JpegImage::LoadBitmap(Rect& rect, uint32_t flags, Dib& bitmap)
{
    ErrorCode error = Load(nullptr, rect, flags | LoadFlags::ReturnBitmap);
    if (error)
        return error;
    bitmap = std::move(m_bitmap);
    m_bitmap = Dib();
    return Error::Success;
}
