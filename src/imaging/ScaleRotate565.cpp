#include "imaging/ScaleRotate565.h"

#include "imaging/Rgb565.h"

#include <algorithm>

namespace {

// The source as the destination sees it after the turn.
template<Rotation Turn>
class TurnedSource {
public:
    TurnedSource(const uint8_t* bits, size_t stride, int width, int height)
        : m_bits(bits)
        , m_stride(stride)
        , m_width(width)
        , m_height(height)
    {
    }

    int Width() const { return Turn == Rotation::None ? m_width : m_height; }
    int Height() const { return Turn == Rotation::None ? m_height : m_width; }

    uint16_t At(int x, int y) const
    {
        int column = x, row = y;
        if constexpr (Turn == Rotation::Clockwise) {
            column = y;
            row = m_height - 1 - x;
        } else if constexpr (Turn == Rotation::CounterClockwise) {
            column = m_width - 1 - y;
            row = x;
        }
        return reinterpret_cast<const uint16_t*>(m_bits + static_cast<size_t>(row) * m_stride)[column];
    }

private:
    const uint8_t* m_bits;
    size_t m_stride;
    int m_width;
    int m_height;
};

inline uint16_t* DestinationRow(uint8_t* bits, size_t stride, int y)
{
    return reinterpret_cast<uint16_t*>(bits + static_cast<size_t>(y) * stride);
}

// The source pixels a destination pixel averages: lo..hi inclusive.
inline void BoxSpan(int64_t position, int64_t step, int limit, int& lo, int& hi)
{
    int64_t half = step >> 1;
    lo = static_cast<int>(std::clamp<int64_t>((position * step - half + 0x8000) >> 16, 0, limit - 1));
    hi = static_cast<int>(std::clamp<int64_t>((position * step + half - 0x8000) >> 16, lo, limit - 1));
}

template<Rotation Turn>
uint16_t BoxAverage(const TurnedSource<Turn>& source, int x0, int x1, int y0, int y1)
{
    uint32_t red = 0, green = 0, blue = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            uint16_t pixel = source.At(x, y);
            red += Red565(pixel);
            green += Green565(pixel);
            blue += Blue565(pixel);
        }
    }
    uint32_t count = static_cast<uint32_t>((x1 - x0 + 1) * (y1 - y0 + 1));
    return Pack565(red / count, green / count, blue / count);
}

// The destination window: the full scaled size the steps come from, and
// the part of it that is written.
struct Window {
    int fullWidth, fullHeight;
    int left, top;
    uint8_t* bits;
    size_t stride;
    int width, height;

    // The rows and columns of the full picture that the window holds.
    int FirstRow() const { return std::max(top, 0); }
    int EndRow() const { return std::min(top + height, fullHeight); }
    int FirstColumn() const { return std::max(left, 0); }
    int EndColumn() const { return std::min(left + width, fullWidth); }
    // The pixel of the window at (x, y) of the full picture.
    uint16_t& At(int x, int y) const { return DestinationRow(bits, stride, y - top)[x - left]; }
};

template<Rotation Turn>
void Scale(const TurnedSource<Turn>& source, const Window& window)
{
    int sw = source.Width(), sh = source.Height();
    int width = window.fullWidth, height = window.fullHeight;
    int64_t stepX = (int64_t(sw) << 16) / width;
    int64_t stepY = (int64_t(sh) << 16) / height;

    if (stepX < 0x10000 || stepY < 0x10000 || (stepX == 0x10000 && stepY == 0x10000)) {
        // Enlarging (or the same size): the nearest pixel.
        for (int y = window.FirstRow(); y < window.EndRow(); ++y) {
            int sy = static_cast<int>(std::min<int64_t>((y * stepY) >> 16, sh - 1));
            for (int x = window.FirstColumn(); x < window.EndColumn(); ++x)
                window.At(x, y) = source.At(static_cast<int>(std::min<int64_t>((x * stepX) >> 16, sw - 1)), sy);
        }
        return;
    }

    for (int y = window.FirstRow(); y < window.EndRow(); ++y) {
        bool edgeRow = y == 0 || y == height - 1;
        int edgeSourceRow = y == 0 ? 0 : sh - 1;
        int y0, y1;
        BoxSpan(y, stepY, sh, y0, y1);
        int nearestRow = static_cast<int>(std::min<int64_t>((y * stepY) >> 16, sh - 1));
        for (int x = window.FirstColumn(); x < window.EndColumn(); ++x) {
            int nearestColumn = static_cast<int>(std::min<int64_t>((x * stepX) >> 16, sw - 1));
            uint16_t& pixel = window.At(x, y);
            if (edgeRow) {
                pixel = source.At(nearestColumn, edgeSourceRow);
            } else if (x == 0 || x == width - 1) {
                pixel = source.At(x == 0 ? 0 : sw - 1, nearestRow);
            } else {
                int x0, x1;
                BoxSpan(x, stepX, sw, x0, x1);
                pixel = BoxAverage(source, x0, x1, y0, y1);
            }
        }
    }
}

}

void ScaleRotate565Part(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, Rotation rotation,
    int fullWidth, int fullHeight, int left, int top, uint8_t* destination, size_t destinationStride, int width, int height)
{
    if (sourceWidth <= 0 || sourceHeight <= 0 || fullWidth <= 0 || fullHeight <= 0 || width <= 0 || height <= 0)
        return;
    Window window { fullWidth, fullHeight, left, top, destination, destinationStride, width, height };
    switch (rotation) {
    case Rotation::None:
        Scale(TurnedSource<Rotation::None>(source, sourceStride, sourceWidth, sourceHeight), window);
        break;
    case Rotation::Clockwise:
        Scale(TurnedSource<Rotation::Clockwise>(source, sourceStride, sourceWidth, sourceHeight), window);
        break;
    case Rotation::CounterClockwise:
        Scale(TurnedSource<Rotation::CounterClockwise>(source, sourceStride, sourceWidth, sourceHeight), window);
        break;
    }
}

void ScaleRotate565(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, Rotation rotation,
    uint8_t* destination, size_t destinationStride, int width, int height)
{
    ScaleRotate565Part(source, sourceStride, sourceWidth, sourceHeight, rotation, width, height, 0, 0, destination, destinationStride, width, height);
}
