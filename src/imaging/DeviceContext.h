#pragma once

class Dib;

// What pictures are drawn into: a window's painter on the desktop, a bitmap
// in tests and headless rendering.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // Copies a width x height block of the bitmap, starting at (sourceX,
    // sourceY), to (x, y) unchanged (a plain source copy). Parts that fall
    // outside either side are left out.
    virtual void CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY) = 0;
};
