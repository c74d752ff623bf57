#include "ui/ProgressPainter.h"

#include "ui/PaintContext.h"
#include "ui/TextFitting.h"

#include <algorithm>

// The first line's distance from the top of the text area.
static constexpr int kTextTop = 4;

void DrawProgressPanel(PaintContext& context, const Rect& client, const std::vector<std::string>& lines, int frame, Point iconPosition, const ProgressStyle& style)
{
    const ScreenScale& scale = style.scale;
    int frameInset = scale.ScaleY(1);
    Rect panel { client.left + frameInset, client.top + frameInset, client.right - frameInset, client.bottom - frameInset };
    context.DrawRectangle(panel, std::max(scale.ScaleY(2), 1), Colors::Black, Colors::ProgressBackground);

    Rect text { panel.left + scale.ScaleY(3), panel.top + scale.ScaleY(1), panel.right - scale.ScaleY(3), panel.bottom - scale.ScaleY(1) };
    int lineHeight = context.GetFontHeight(style.normalFont);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const LogicalFont& font = i == 0 ? style.boldFont : style.normalFont;
        int y = text.top + kTextTop + static_cast<int>(i) * lineHeight;
        context.DrawTextLine(text.left, y, FitTextToWidth(context, font, lines[i], text.Width()), font, Colors::Black);
    }
    style.busyIcons.Draw(context, frame, iconPosition.x, iconPosition.y);
}
