#pragma once

#include "app/LogicalFont.h"

#include <string>
#include <string_view>

class PaintContext;

// One line of text as the views show it in a limited width: line breaks
// become spaces, and a text too wide loses characters from its end until it
// fits with "..." appended.
std::string FitTextToWidth(PaintContext& context, const LogicalFont& font, std::string_view text, int width);
