#pragma once

#include "ui/EntryPage.h"

#include <QWidget>
#include <functional>

// The entry page: a child of the main view covering its whole client area,
// drawn through an off-screen bitmap of its size. A tap anywhere on it asks
// to close it.
class CImageWnd : public QWidget {
    Q_OBJECT

public:
    // The page's control id.
    static constexpr int kControlId = 1000;

    CImageWnd(EntryPageStyle style, QWidget* parent);

    void SetCloseRequest(std::function<void()> request) { m_closeRequest = std::move(request); }

    // Shows the window with an entry; the cached photo and the scroll
    // state are forgotten.
    void ShowEntry(const CWinBlogStorage& blog, const BlogEntry& entry);
    // Another entry in the shown window.
    void SetEntry(const BlogEntry& entry);
    // The photo changed: it is decoded again.
    void Reload();
    void Close();
    void ScrollUp();
    void ScrollDown();

    const EntryPage& GetPage() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    EntryPageStyle m_style;
    EntryPage m_page;
    const CWinBlogStorage* m_blog { nullptr };
    std::function<void()> m_closeRequest;
};
