#include "ui/EntryPage.h"

#include "app/Messages.h"
#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "imaging/MemoryDeviceContext.h"
#include "model/CWinBlogStorage.h"
#include "platform/File.h"
#include "ui/PaintContext.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr StringId kAuthorLine = 184;
// The photo across the page: fitted inside, centred horizontally, at the
// top, never turned. The thumbnail that stands in for a missing photo is
// centred both ways.
constexpr std::uint32_t kPhotoFlags = LoadFlags::NoVerticalCentre | LoadFlags::NoRotate | LoadFlags::CallerMark;
constexpr std::uint32_t kThumbnailFlags = LoadFlags::NoRotate | LoadFlags::CallerMark;
// Space between the photo and the text, and after the caption.
constexpr int kTextGap = 3;
// Below this the text is not worth scrolling for.
constexpr int kMinimumScroll = 4;

void FillWhite(Dib& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memset(bitmap.Row(y), 0xFF, static_cast<size_t>(bitmap.Width()) * 2);
}

}

void EntryPage::SetEntry(const CWinBlogStorage* blog, const BlogEntry* entry)
{
    m_blog = blog;
    m_entry = entry;
    Reload();
}

void EntryPage::Reload()
{
    m_scroll = 0;
    m_maximumScroll = 0;
    m_photoHeight = 0;
    m_photo = Dib();
}

bool EntryPage::ScrollUp()
{
    int scroll = std::max(m_scroll - m_lineHeight, 0);
    bool moved = scroll != m_scroll;
    m_scroll = scroll;
    return moved;
}

bool EntryPage::ScrollDown()
{
    int scroll = std::min(m_scroll + m_lineHeight, m_maximumScroll);
    bool moved = scroll != m_scroll;
    m_scroll = std::max(scroll, 0);
    return moved;
}

void EntryPage::MakePhoto(const Rect& page, int lineHeight)
{
    // At least one line of text fits under the photo.
    Rect area { 0, 0, page.Width(), page.Height() - lineHeight - kTextGap };
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    auto canvas = CreateDibForOverwrite(area.Width(), area.Height(), 16);
    if (canvas.IsError())
        return;
    Dib photo = canvas.ReleaseValue();
    FillWhite(photo);
    MemoryDeviceContext context(photo);

    int height = 0;
    if (!m_entry->GetPhotoPath().empty()) {
        auto file = File::Open(m_entry->GetPhotoPath(), File::Mode::Read);
        if (!file.IsError()) {
            JpegImage image(*file);
            Rect drawn = area;
            if (image.Draw(context, drawn, kPhotoFlags) == Error::Success)
                height = std::min(drawn.bottom, area.Height());
        }
    }
    if (height == 0) {
        // No photo on the device (or one that cannot be decoded): the
        // thumbnail enlarged in its place, over the whole area.
        if (m_entry->GetThumbnailSize() > 0) {
            auto bytes = m_entry->GetThumbnail();
            JpegImage thumbnail(bytes.data(), bytes.size());
            Rect drawn = area;
            (void)thumbnail.Draw(context, drawn, kThumbnailFlags); // an undecodable one leaves the area white
        }
        height = area.Height();
    }
    photo.Narrow(photo.Width(), height);
    m_photo = std::move(photo);
    m_photoHeight = height;
}

int EntryPage::DrawTexts(PaintContext& context, const Rect& page, int top, const EntryPageStyle& style, bool draw)
{
    int y = top;
    auto text = [&](std::string_view value, const LogicalFont& font) {
        Rect column { page.left, y, page.right, page.bottom + 1 };
        y += context.DrawWrappedText(column, value, font, Colors::Black, draw);
    };
    if (!m_entry->GetTitle().empty())
        text(m_entry->GetTitle(), style.boldFont);
    if (m_blog && m_blog->GetBlogInfo().GetGroupBlog() == 1 && !m_entry->GetAuthorName().empty())
        text(FormatString(kAuthorLine, { m_entry->GetAuthorName() }), style.normalFont);
    if (!m_entry->GetCaption().empty()) {
        text(m_entry->GetCaption(), style.normalFont);
        y += kTextGap;
    }
    return y;
}

void EntryPage::Paint(PaintContext& context, const Rect& page, const EntryPageStyle& style)
{
    context.FillRect(page, Colors::White);
    if (!m_entry)
        return;
    m_lineHeight = context.GetFontHeight(style.normalFont);
    if (m_photoHeight == 0)
        MakePhoto(page, m_lineHeight);

    const ScreenScale& scale = style.scale;
    if (!m_photo.IsNull() && m_scroll < m_photoHeight)
        context.CopyBitmap(page.left, page.top, m_photo.Width(), m_photoHeight - m_scroll, m_photo, 0, m_scroll);
    int iconX = page.right - scale.ScaleX(20);
    if (m_entry->HasNewComments() && m_scroll < m_photoHeight)
        style.icons.Draw(context, 0, iconX, m_photoHeight - scale.ScaleY(20) - m_scroll);

    // The text's end as it lies with the page unscrolled gives the range.
    int end = DrawTexts(context, page, page.top + m_photoHeight + kTextGap, style, false);
    m_maximumScroll = end - page.Height();
    if (m_maximumScroll < kMinimumScroll)
        m_maximumScroll = 0;
    m_scroll = std::min(m_scroll, m_maximumScroll);
    DrawTexts(context, page, page.top + m_photoHeight - m_scroll + kTextGap, style, true);

    if (m_scroll > 0)
        style.icons.Draw(context, 2, iconX, page.top + scale.ScaleY(3));
    if (m_scroll < m_maximumScroll)
        style.icons.Draw(context, 1, iconX, page.bottom - scale.ScaleY(20));
}
