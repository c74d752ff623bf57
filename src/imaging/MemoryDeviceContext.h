#pragma once

#include "imaging/DeviceContext.h"

class Dib;

// Draws into a bitmap of 16, 24 or 32 bits; pixels are converted when the
// bitmaps differ in depth.
class MemoryDeviceContext final : public DeviceContext {
public:
    explicit MemoryDeviceContext(Dib& target)
        : m_target(target)
    {
    }

    void CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY) override;

    Dib& Target() { return m_target; }

private:
    Dib& m_target;
};
