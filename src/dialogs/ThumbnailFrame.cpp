#include "dialogs/ThumbnailFrame.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"

#include <QPainter>

ThumbnailFrame::ThumbnailFrame(std::span<const std::uint8_t> jpeg, QWidget* parent)
    : QFrame(parent)
    , m_jpeg(jpeg)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ThumbnailFrame::Decode()
{
    m_picture = QImage();
    QRect inside = contentsRect();
    if (m_jpeg.empty() || inside.isEmpty())
        return;
    Rect target { inside.left(), inside.top(), inside.right() + 1, inside.bottom() + 1 };
    JpegImage image(m_jpeg.data(), m_jpeg.size());
    Dib bitmap;
    if (image.LoadBitmap(target, LoadFlags::NoRotate | LoadFlags::CallerMark, bitmap) != Error::Success || bitmap.IsNull())
        return;
    // The bitmap's pixels are RGB565 rows, top-down, in Qt's RGB16 layout.
    QImage view(bitmap.Bits(), bitmap.Width(), bitmap.Height(), static_cast<qsizetype>(bitmap.Stride()), QImage::Format_RGB16);
    m_picture = view.copy();
    m_at = QPoint(target.left, target.top);
}

void ThumbnailFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Decode();
}

void ThumbnailFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(m_at, m_picture);
}
