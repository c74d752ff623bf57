#pragma once

#include "platform/ErrorCode.h"

#include <string>

class Dib;

// Writes the bitmap's visible pixels as a binary PPM (P6), each RGB565
// pixel widened to 8 bits per channel. The file appears only when complete.
ErrorCode WritePpmFile(const Dib& bitmap, const std::string& path);
