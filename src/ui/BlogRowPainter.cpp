#include "ui/BlogRowPainter.h"

#include "app/Messages.h"
#include "imaging/DrawBitmap.h"
#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "model/CWinBlogStorage.h"
#include "ui/PaintContext.h"
#include "ui/TextFitting.h"
#include "ui/ViewStyle.h"

namespace {

constexpr StringId kPhotoCountPlural = 133;
constexpr StringId kPhotoCountSingular = 134;
// Thumbnails are fitted inside, centred, never turned.
constexpr std::uint32_t kThumbnailFlags = LoadFlags::NoRotate | LoadFlags::CallerMark;
// The badge's corner lies this many pixels left of and above the cell's
// bottom-right corner.
constexpr int kBadgeOffset = 21;

// What the row tells about the blog's entries that are not marked deleted.
struct EntrySummary {
    int photos { 0 };
    bool anyNew { false };
    bool anyNewComments { false };
    const BlogEntry* first { nullptr };
};

EntrySummary Summarise(const CWinBlogStorage& blog)
{
    EntrySummary summary;
    const auto& entries = blog.GetEntries();
    for (size_t i = 0; i < entries.GetSize(); ++i) {
        const BlogEntry* entry = entries.GetAt(i);
        if (entry->IsHidden())
            continue;
        ++summary.photos;
        summary.anyNew |= entry->IsNewEntry();
        summary.anyNewComments |= entry->HasNewComments();
        if (!summary.first)
            summary.first = entry;
    }
    return summary;
}

}

void DrawBlogRow(PaintContext& context, const Rect& cell, const CWinBlogStorage& blog, bool selected, const ViewStyle& style)
{
    const ScreenScale& scale = style.scale;
    EntrySummary summary = Summarise(blog);
    ColorRef background = selected ? Colors::SelectedRow : Colors::White;
    context.DrawRectangle(cell, std::max(scale.ScaleX(1), 1), Colors::Black, background);

    // The square picture box on the left.
    int inset = scale.ScaleX(4);
    int boxSide = cell.Height() - 2 * inset;
    Rect box { cell.left + inset, cell.top + inset, cell.left + inset + boxSide, cell.bottom - inset };
    context.DrawRectangle(box, 1, selected ? Colors::White : Colors::Black, Colors::White);
    Rect picture { box.left + scale.ScaleX(1), box.top + scale.ScaleY(1), box.right - scale.ScaleX(1), box.bottom - scale.ScaleY(1) };
    bool drawn = false;
    if (summary.first && summary.first->GetThumbnailSize() > 0) {
        auto bytes = summary.first->GetThumbnail();
        JpegImage thumbnail(bytes.data(), bytes.size());
        Rect target = picture;
        drawn = thumbnail.Draw(context, target, kThumbnailFlags) == Error::Success;
    }
    if (!drawn && !summary.first && style.placeholder)
        DrawBitmap(context, picture, *style.placeholder, true);

    if (summary.anyNew)
        style.markers.Draw(context, 0, box.left + scale.ScaleX(1), box.top + scale.ScaleY(1));
    else if (summary.anyNewComments)
        style.markers.Draw(context, 1, box.left + scale.ScaleX(1), box.top + scale.ScaleY(1));

    // Name, subtitle and photo count, one line each.
    int textLeft = box.right + scale.ScaleX(4);
    int textWidth = cell.right - scale.ScaleX(4) - textLeft;
    ColorRef textColor = selected ? Colors::White : Colors::Black;
    int y = cell.top + scale.ScaleY(3);
    const CBlogInfo& info = blog.GetBlogInfo();
    StringId countText = summary.photos == 1 ? kPhotoCountSingular : kPhotoCountPlural;
    struct Line {
        std::string text;
        const LogicalFont& font;
    };
    const Line lines[] = {
        { info.GetDisplayName(), style.boldFont },
        { info.GetSubtitle(), style.normalFont },
        { FormatString(countText, { summary.photos }), style.normalFont },
    };
    for (const Line& line : lines) {
        context.DrawTextLine(textLeft, y, FitTextToWidth(context, line.font, line.text, textWidth), line.font, textColor);
        y += context.GetFontHeight(line.font);
    }

    if (info.GetGroupBlog() == 1 && style.groupBadge) {
        const Dib& badge = *style.groupBadge;
        context.CopyBitmapTransparent(cell.right - kBadgeOffset, cell.bottom - kBadgeOffset, badge.Width(), badge.Height(), badge, 0, 0, Colors::Cyan);
    }
}
