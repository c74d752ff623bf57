#include "ui/EntryCellPainter.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "model/BlogEntry.h"
#include "ui/PaintContext.h"
#include "ui/ViewStyle.h"

static constexpr std::uint32_t kThumbnailFlags = LoadFlags::NoRotate | LoadFlags::CallerMark;

void DrawEntryCell(PaintContext& context, const Rect& cell, const BlogEntry& entry, bool selected, const ViewStyle& style)
{
    const ScreenScale& scale = style.scale;
    if (entry.GetThumbnailSize() > 0) {
        auto bytes = entry.GetThumbnail();
        JpegImage thumbnail(bytes.data(), bytes.size());
        Rect target = cell;
        // A thumbnail that cannot be decoded leaves the cell white.
        (void)thumbnail.Draw(context, target, kThumbnailFlags);
    }
    int markerX = cell.left + scale.ScaleX(1);
    int markerY = cell.top + scale.ScaleY(2);
    if (entry.IsNewEntry())
        style.markers.Draw(context, 0, markerX, markerY);
    else if (entry.HasNewComments())
        style.markers.Draw(context, 1, markerX, markerY);
    if (selected)
        DrawSelectionFrame(context, cell, style.selectionColor, scale);
}

void DrawSelectionFrame(PaintContext& context, const Rect& cell, ColorRef color, const ScreenScale& scale)
{
    int side = scale.ScaleX(3);
    context.FillRect({ cell.left, cell.top, cell.left + side, cell.bottom }, color);
    context.FillRect({ cell.right - side, cell.top, cell.right, cell.bottom }, color);
    context.FillRect({ cell.left, cell.top, cell.right, cell.top + 1 }, color);
    context.FillRect({ cell.left, cell.bottom - 1, cell.right, cell.bottom }, color);
}
