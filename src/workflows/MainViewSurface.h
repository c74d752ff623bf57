#pragma once

#include "app/LogicalFont.h"
#include "workflows/ViewMode.h"

#include <cstddef>
#include <optional>
#include <string_view>

class BlogEntry;
class CWinBlogStorage;

// What the main view's controller asks of the windows that show it: the
// grid of blogs or entries, the bars of the modes, the entry page and the
// view's font. The desktop program's CChildView implements it; tests record
// what was asked.
class MainViewSurface {
public:
    virtual ~MainViewSurface() = default;

    // The grid: the home layout (one row per blog) or the blog layout (one
    // cell per shown entry), with this many items. Selection and scroll
    // position are cleared.
    virtual void UseHomeLayout(size_t itemCount) = 0;
    virtual void UseBlogLayout(size_t itemCount) = 0;
    // Keeps the layout; a selection or scroll position past the new count
    // is pulled back.
    virtual void SetItemCount(size_t itemCount) = 0;
    // The selected item, or -1.
    virtual long GetSelection() const = 0;
    // Selects an item and scrolls it into view.
    virtual void Select(long index) = 0;
    virtual void ClearSelection() = 0;
    // The first visible row.
    virtual int GetScrollPosition() const = 0;
    virtual void SetScrollPosition(int firstRow) = 0;
    virtual void Repaint() = 0;

    // The mode changed, or what its bars show did (the navigation bar's
    // title, the soft keys, the blog header's drop-downs): the surface asks
    // the controller again.
    virtual void UpdateBars(ViewMode mode) = 0;

    // The entry page over the grid: shown with an entry, moved to another
    // entry, hidden, drawn again after its photo changed, scrolled by one
    // line.
    virtual void ShowEntryPage(CWinBlogStorage& blog, BlogEntry& entry) = 0;
    virtual void SetEntryPageEntry(BlogEntry& entry) = 0;
    virtual void CloseEntryPage() = 0;
    virtual void ReloadEntryPage() = 0;
    virtual void ScrollEntryPage(bool down) = 0;

    // The view's font; none takes the device's default font.
    virtual void SetViewFont(const std::optional<LogicalFont>& font) = 0;
    // The font the view draws with now.
    virtual LogicalFont GetViewFont() const = 0;
    // The display's vertical pixels per inch, for font sizes in points.
    virtual int GetPixelsPerInch() const = 0;
};
