#pragma once

#include "imaging/Dib.h"
#include "ui/PaintContext.h"

#include <string>
#include <vector>

// A paint context that draws nothing and records what it was asked, with
// fixed text metrics: every character is 6 pixels wide and a line is 12
// pixels high (14 in a font heavier than normal). For tests of what is
// drawn where, apart from how glyphs look.
class RecordingPaintContext : public PaintContext {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        bool bold;
        ColorRef color;
    };
    struct Copy {
        int x;
        int y;
        int width;
        int height;
        const Dib* bitmap;
        int sourceX;
    };

    std::vector<Text> texts;
    std::vector<Copy> copies;
    std::vector<Copy> transparentCopies;
    std::vector<Rect> fills;

    static constexpr int kCharacterWidth = 6;

    void CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int) override { copies.push_back({ x, y, width, height, &bitmap, sourceX }); }
    void FillRect(const Rect& rect, ColorRef) override { fills.push_back(rect); }
    void DrawRectangle(const Rect& rect, int, ColorRef, std::optional<ColorRef>) override { fills.push_back(rect); }
    void DrawLine(int, int, int, int, ColorRef) override { }
    void FillPolygon(std::span<const Point>, ColorRef) override { }
    void CopyBitmapTransparent(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int, ColorRef) override
    {
        transparentCopies.push_back({ x, y, width, height, &bitmap, sourceX });
    }
    int GetFontHeight(const LogicalFont& font) override { return font.weight > 400 ? 14 : 12; }
    int MeasureText(const LogicalFont&, std::string_view text) override { return static_cast<int>(text.size()) * kCharacterWidth; }
    void DrawTextLine(int x, int y, std::string_view text, const LogicalFont& font, ColorRef color) override
    {
        texts.push_back({ x, y, std::string(text), font.weight > 400, color });
    }
    int DrawWrappedText(const Rect& rect, std::string_view text, const LogicalFont& font, ColorRef color, bool draw) override
    {
        int perLine = std::max(rect.Width() / kCharacterWidth, 1);
        int lines = std::max(1, (static_cast<int>(text.size()) + perLine - 1) / perLine);
        if (draw)
            texts.push_back({ rect.left, rect.top, std::string(text), font.weight > 400, color });
        return lines * GetFontHeight(font);
    }

    std::vector<std::string> TextStrings() const
    {
        std::vector<std::string> strings;
        for (auto& text : texts)
            strings.push_back(text.text);
        return strings;
    }
};
