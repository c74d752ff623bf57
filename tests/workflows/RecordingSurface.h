#pragma once

#include "workflows/MainViewSurface.h"

#include <algorithm>
#include <string>
#include <vector>

// A main view surface that keeps what the controller asked for: the layout,
// the item count, the selection and scroll position, the entry page.
class RecordingSurface : public MainViewSurface {
public:
    enum class Layout {
        None,
        Home,
        Blog,
    };

    Layout layout { Layout::None };
    size_t itemCount { 0 };
    long selection { -1 };
    int scroll { 0 };
    int repaints { 0 };
    std::vector<ViewMode> barUpdates;
    bool entryPageShown { false };
    const BlogEntry* pageEntry { nullptr };
    int pageReloads { 0 };
    int pageScroll { 0 };
    std::optional<LogicalFont> font;

    void UseHomeLayout(size_t count) override { Use(Layout::Home, count); }
    void UseBlogLayout(size_t count) override { Use(Layout::Blog, count); }
    void SetItemCount(size_t count) override
    {
        itemCount = count;
        if (selection >= static_cast<long>(count))
            selection = -1;
    }
    long GetSelection() const override { return selection; }
    void Select(long index) override { selection = index >= 0 && static_cast<size_t>(index) < itemCount ? index : -1; }
    void ClearSelection() override { selection = -1; }
    int GetScrollPosition() const override { return scroll; }
    void SetScrollPosition(int firstRow) override { scroll = std::max(firstRow, 0); }
    void Repaint() override { ++repaints; }
    void UpdateBars(ViewMode mode) override { barUpdates.push_back(mode); }
    void ShowEntryPage(CWinBlogStorage&, BlogEntry& entry) override
    {
        entryPageShown = true;
        pageEntry = &entry;
        pageScroll = 0;
    }
    void SetEntryPageEntry(BlogEntry& entry) override
    {
        pageEntry = &entry;
        pageScroll = 0;
    }
    void CloseEntryPage() override
    {
        entryPageShown = false;
        pageEntry = nullptr;
    }
    void ReloadEntryPage() override { ++pageReloads; }
    void ScrollEntryPage(bool down) override { pageScroll += down ? 1 : -1; }
    void SetViewFont(const std::optional<LogicalFont>& newFont) override { font = newFont; }
    LogicalFont GetViewFont() const override { return font.value_or(LogicalFont {}); }
    int GetPixelsPerInch() const override { return 96; }

private:
    void Use(Layout newLayout, size_t count)
    {
        layout = newLayout;
        itemCount = count;
        selection = -1;
        scroll = 0;
    }
};
