#include "ui/CImageWnd.h"

#include "ui/QtPaintContext.h"

#include <QMouseEvent>
#include <QPainter>

CImageWnd::CImageWnd(EntryPageStyle style, QWidget* parent)
    : QWidget(parent)
    , m_style(std::move(style))
{
    // The keys stay with the main view, which routes them here.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void CImageWnd::ShowEntry(const CWinBlogStorage& blog, const BlogEntry& entry)
{
    m_blog = &blog;
    m_page.SetEntry(&blog, &entry);
    show();
    raise();
    update();
}

void CImageWnd::SetEntry(const BlogEntry& entry)
{
    m_page.SetEntry(m_blog, &entry);
    update();
}

void CImageWnd::Reload()
{
    m_page.Reload();
    update();
}

void CImageWnd::Close()
{
    hide();
    m_page.SetEntry(nullptr, nullptr);
}

void CImageWnd::ScrollUp()
{
    if (m_page.ScrollUp())
        update();
}

void CImageWnd::ScrollDown()
{
    if (m_page.ScrollDown())
        update();
}

void CImageWnd::paintEvent(QPaintEvent*)
{
    auto bitmap = CreateDibForOverwrite(std::max(width(), 1), std::max(height(), 1), 16);
    if (bitmap.IsError())
        return;
    {
        QtPaintContext context(*bitmap);
        m_page.Paint(context, { 0, 0, width(), height() }, m_style);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(*bitmap));
}

void CImageWnd::mousePressEvent(QMouseEvent* event)
{
    // The page takes the stylus; the grid under it must not see it.
    event->accept();
}

void CImageWnd::mouseReleaseEvent(QMouseEvent*)
{
    if (m_closeRequest)
        m_closeRequest();
}
