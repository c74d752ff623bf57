#include "ui/CChildView.h"

#include "app/ScreenSize.h"
#include "app/StringTable.h"
#include "model/CWinBlogUser.h"
#include "ui/BitmapResources.h"
#include "ui/BlogRowPainter.h"
#include "ui/CDocListComboBox.h"
#include "ui/CImageWnd.h"
#include "ui/EntryCellPainter.h"
#include "ui/MenuPopup.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr StringId kSelectFilterTitle = 159;
constexpr StringId kSelectCategoryTitle = 160;

// Design sizes at 96 dpi.
constexpr int kHeaderHeight = 18;
constexpr int kDropDownInset = 3;
constexpr int kMarginX = 3;
constexpr int kMarginY = 5;
constexpr int kSpacingX = 3;
constexpr int kSpacingY = 4;
constexpr int kEntryCell = 75;
// Thumbnails are at most 96 pixels: larger cells would only enlarge them.
constexpr int kLargestEntryCell = 96;
constexpr int kMarkerIconSize = 16;
constexpr int kPageIconSize = 16;
constexpr int kLargePageIconSize = 32;

}

CChildView::CChildView(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent)
    : CGridCtrl(parent)
    , m_controller(user, dialogs, *this)
{
    m_style.scale = ScreenScale::Current();
    SetViewFont(std::nullopt);
}

CChildView::~CChildView() = default;

void CChildView::Init()
{
    const ScreenScale& scale = m_style.scale;
    EntryPageStyle pageStyle;
    pageStyle.scale = scale;
    pageStyle.normalFont = SystemFont(scale);
    pageStyle.boldFont = BoldFontOf(pageStyle.normalFont);
    bool large = ScreenSize::Current().IsLarge();
    pageStyle.icons = CIconList(LoadBitmapResource(large ? Bitmaps::PageIconsLarge : Bitmaps::PageIcons), large ? kLargePageIconSize : kPageIconSize);
    m_entryPage = new CImageWnd(std::move(pageStyle), this);
    m_entryPage->SetCloseRequest([this] { m_controller.CloseEntry(); });

    auto makeDropDown = [this](int id, StringId title, MenuId menu) {
        auto* dropDown = new CDocListComboBox(id, std::string(LoadString(title)), Colors::ButtonFace, this);
        dropDown->SetMenuSource([this, menu] { return m_controller.BuildMenu(menu); });
        dropDown->SetCommandSink([this](CommandId command) { m_controller.RunCommand(command); });
        dropDown->hide();
        return dropDown;
    };
    m_filterDropDown = makeDropDown(kFilterDropDownId, kSelectFilterTitle, Menus::FilterDropDown);
    m_categoryDropDown = makeDropDown(kCategoryDropDownId, kSelectCategoryTitle, Menus::CategoryDropDown);

    m_style.markers = CIconList(LoadBitmapResource(Bitmaps::Markers), kMarkerIconSize);
    m_placeholder = LoadBitmapResource(Bitmaps::Placeholder);
    m_groupBadge = LoadBitmapResource(Bitmaps::GroupBadge);
    m_style.placeholder = &m_placeholder;
    m_style.groupBadge = &m_groupBadge;
    m_style.selectionColor = Colors::SelectionBlue;
    SetSelectionColor(Colors::SelectionBlue);

    ApplyLayout();
    m_controller.Init();
}

int CChildView::HomeRows() const
{
    const ScreenSize& screen = ScreenSize::Current();
    if (screen.width < screen.height)
        return m_inputPanelShown ? 3 : 4;
    if (screen.width > screen.height)
        return m_inputPanelShown ? 2 : 3;
    return m_inputPanelShown ? 1 : 3;
}

void CChildView::SetInputPanelShown(bool shown)
{
    if (m_inputPanelShown == shown)
        return;
    m_inputPanelShown = shown;
    ApplyLayout();
}

Rect CChildView::HeaderRect() const
{
    return { 0, 0, width(), m_style.scale.ScaleY(kHeaderHeight) };
}

void CChildView::ApplyLayout()
{
    const ScreenScale& scale = m_style.scale;
    Rect client { 0, 0, width(), height() };
    if (m_layout == Layout::Home) {
        SetFixedCountLayout(client, HomeRows(), 1, scale.ScaleX(kMarginX), scale.ScaleY(kMarginY), scale.ScaleX(kSpacingX), scale.ScaleY(kSpacingY));
    } else {
        Rect area = client;
        area.top = HeaderRect().bottom;
        int cellWidth = scale.ScaleX(kEntryCell);
        int cellHeight = scale.ScaleY(kEntryCell);
        if (cellWidth > kLargestEntryCell)
            cellWidth = cellHeight = kLargestEntryCell;
        SetFixedCellLayout(area, cellWidth, cellHeight, scale.ScaleX(kMarginX), scale.ScaleY(kMarginY), scale.ScaleX(kSpacingX), scale.ScaleY(kSpacingY));
    }
    if (m_filterDropDown) {
        Rect strip = HeaderRect();
        int insetX = scale.ScaleX(kDropDownInset);
        int insetY = scale.ScaleY(kDropDownInset);
        int middle = strip.Width() / 2;
        m_filterDropDown->setGeometry(insetX, insetY, middle - 2 * insetX, strip.Height() - 2 * insetY);
        m_categoryDropDown->setGeometry(middle + insetX, insetY, strip.Width() - middle - 2 * insetX, strip.Height() - 2 * insetY);
    }
    if (m_entryPage)
        m_entryPage->setGeometry(rect());
}

void CChildView::resizeEvent(QResizeEvent*)
{
    ApplyLayout();
}

void CChildView::UseHomeLayout(size_t itemCount)
{
    m_layout = Layout::Home;
    CGridCtrl::ClearSelection();
    ApplyLayout();
    CGridCtrl::SetItemCount(static_cast<int>(itemCount));
    SetFirstRow(0);
}

void CChildView::UseBlogLayout(size_t itemCount)
{
    m_layout = Layout::Blog;
    CGridCtrl::ClearSelection();
    ApplyLayout();
    CGridCtrl::SetItemCount(static_cast<int>(itemCount));
    SetFirstRow(0);
}

void CChildView::SetItemCount(size_t itemCount)
{
    CGridCtrl::SetItemCount(static_cast<int>(itemCount));
}

void CChildView::Repaint()
{
    update();
    if (m_entryPage && m_entryPage->isVisible())
        m_entryPage->update();
}

void CChildView::UpdateBars(ViewMode mode)
{
    bool blog = mode == ViewMode::Blog;
    if (m_filterDropDown) {
        m_filterDropDown->SetText(m_controller.GetDropDownText(Menus::FilterDropDown));
        m_categoryDropDown->SetText(m_controller.GetDropDownText(Menus::CategoryDropDown));
        m_filterDropDown->setVisible(blog);
        m_categoryDropDown->setVisible(blog);
    }
    emit barsChanged();
}

void CChildView::ShowEntryPage(CWinBlogStorage& blog, BlogEntry& entry)
{
    m_entryPage->setGeometry(rect());
    m_entryPage->ShowEntry(blog, entry);
}

void CChildView::SetEntryPageEntry(BlogEntry& entry)
{
    m_entryPage->SetEntry(entry);
}

void CChildView::CloseEntryPage()
{
    m_entryPage->Close();
    setFocus();
}

void CChildView::ReloadEntryPage()
{
    if (m_entryPage->isVisible())
        m_entryPage->Reload();
}

void CChildView::ScrollEntryPage(bool down)
{
    if (down)
        m_entryPage->ScrollDown();
    else
        m_entryPage->ScrollUp();
}

void CChildView::SetViewFont(const std::optional<LogicalFont>& font)
{
    m_style.normalFont = font.value_or(SystemFont(m_style.scale));
    m_style.boldFont = BoldFontOf(m_style.normalFont);
}

int CChildView::GetPixelsPerInch() const
{
    return PixelsPerInch(m_style.scale);
}

void CChildView::DrawItem(PaintContext& context, const Rect& cell, int index, bool selected)
{
    if (m_layout == Layout::Home) {
        const CBlogList& blogs = m_controller.GetUser().GetBlogList();
        if (static_cast<size_t>(index) < blogs.GetSize())
            DrawBlogRow(context, cell, *blogs.GetAt(static_cast<size_t>(index)), selected, m_style);
        return;
    }
    CWinBlogStorage* blog = m_controller.GetCurrentBlog();
    if (const BlogEntry* entry = blog ? blog->GetShownEntryAt(static_cast<size_t>(index)) : nullptr)
        DrawEntryCell(context, cell, *entry, selected, m_style);
}

void CChildView::PaintOutsideGrid(QPainter& painter)
{
    if (m_layout != Layout::Blog)
        return;
    Rect strip = HeaderRect();
    auto bitmap = CreateDibForOverwrite(std::max(strip.Width(), 1), std::max(strip.Height(), 1), 16);
    if (bitmap.IsError())
        return;
    {
        QtPaintContext context(*bitmap);
        context.DrawRectangle(strip, 1, Colors::ButtonFace, Colors::ButtonFace);
        context.DrawLine(0, strip.bottom - 1, strip.right - 1, strip.bottom - 1, Colors::WindowFrame);
    }
    painter.drawImage(0, 0, ImageOf(*bitmap));
}

void CChildView::OnItemActivated(int index)
{
    m_controller.ItemActivated(index);
}

void CChildView::OnTapAndHold(QPoint point, int index)
{
    MenuId menu = m_controller.GetMode() == ViewMode::Home ? Menus::BlogRowContext : Menus::EntryCellContext;
    PopupMenu(m_controller.BuildMenu(menu), this, mapToGlobal(point), [this, index](CommandId command) {
        m_controller.RunContextCommand(command, index);
    });
}

void CChildView::keyPressEvent(QKeyEvent* event)
{
    if (auto key = ToViewKey(event->key()); key && m_controller.HandleKey(*key))
        return;
    CGridCtrl::keyPressEvent(event);
}
