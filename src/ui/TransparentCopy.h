#pragma once

#include "ui/ColorRef.h"

class Dib;

// Copies a block of a 16-bit bitmap into another, leaving out the pixels of
// the transparent colour; parts outside either bitmap are left out.
void CopyTransparent565(Dib& target, int x, int y, int width, int height, const Dib& source, int sourceX, int sourceY, ColorRef transparent);
