#pragma once

#include "app/LogicalFont.h"
#include "app/ScreenScale.h"
#include "imaging/Dib.h"
#include "imaging/Rect.h"
#include "ui/CIconList.h"

class BlogEntry;
class CWinBlogStorage;
class PaintContext;

// What the entry page draws with.
struct EntryPageStyle {
    ScreenScale scale;
    LogicalFont normalFont;
    LogicalFont boldFont;
    // Resource 160 (161 on large screens): icon 0 marks new comments, 1 and
    // 2 hint that the page scrolls down and up.
    CIconList icons;
};

// The page of one entry: the photo across the full width, then the title,
// the author line of a group blog and the caption, scrolling vertically
// when the text runs past the bottom. The photo is decoded once per entry
// (at the smallest scale that fills the width) and kept as a bitmap, so
// that scrolling only copies it.
class EntryPage {
public:
    // Another entry: the cached photo and the scroll state are forgotten.
    void SetEntry(const CWinBlogStorage* blog, const BlogEntry* entry);
    // The entry's photo changed (downloaded or purged).
    void Reload();

    // Draws the whole page into `context`, whose top-left corner is the
    // page's; `page` is the client area.
    void Paint(PaintContext& context, const Rect& page, const EntryPageStyle& style);

    // One line height up or down, within 0 and the maximum; false when it
    // did not move.
    bool ScrollUp();
    bool ScrollDown();

    int GetScrollPosition() const { return m_scroll; }
    int GetMaximumScroll() const { return m_maximumScroll; }
    int GetPhotoHeight() const { return m_photoHeight; }
    const BlogEntry* GetEntry() const { return m_entry; }

private:
    void MakePhoto(const Rect& page, int lineHeight);
    int DrawTexts(PaintContext& context, const Rect& page, int top, const EntryPageStyle& style, bool draw);

    const CWinBlogStorage* m_blog { nullptr };
    const BlogEntry* m_entry { nullptr };
    int m_scroll { 0 };
    int m_maximumScroll { 0 };
    int m_lineHeight { 0 };
    // 0 until the first paint after the entry changed.
    int m_photoHeight { 0 };
    Dib m_photo;
};
