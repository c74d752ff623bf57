#pragma once

#include "ui/CGridCtrl.h"
#include "ui/ViewStyle.h"
#include "workflows/MainViewController.h"
#include "workflows/MainViewSurface.h"

class CDocListComboBox;
class CImageWnd;
class CWinBlogUser;
class DialogHost;

// The main view: the grid of the user's blogs (Home mode) or of one blog's
// entries under a header with the filter and category drop-downs (Blog
// mode), with the entry page over it in Entry mode. It draws and forwards
// input; what the input means is the controller's.
class CChildView
    : public CGridCtrl
    , public MainViewSurface {
    Q_OBJECT

public:
    // The drop-downs' control ids.
    static constexpr int kFilterDropDownId = 1001;
    static constexpr int kCategoryDropDownId = 1002;

    CChildView(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent);
    ~CChildView() override;

    MainViewController& GetController() { return m_controller; }
    const ViewStyle& GetStyle() const { return m_style; }
    // The view's start: its windows, icons and fonts, then the controller's
    // start.
    void Init();

    // The emulated input panel takes room from the view; the home list then
    // shows fewer rows.
    void SetInputPanelShown(bool shown);
    bool IsInputPanelShown() const { return m_inputPanelShown; }
    // The number of home rows on this screen.
    int HomeRows() const;

    CDocListComboBox* GetFilterDropDown() const { return m_filterDropDown; }
    CDocListComboBox* GetCategoryDropDown() const { return m_categoryDropDown; }
    CImageWnd* GetEntryPage() const { return m_entryPage; }

    // MainViewSurface.
    void UseHomeLayout(size_t itemCount) override;
    void UseBlogLayout(size_t itemCount) override;
    void SetItemCount(size_t itemCount) override;
    long GetSelection() const override { return CGridCtrl::GetSelection(); }
    void Select(long index) override { CGridCtrl::Select(index, true); }
    void ClearSelection() override { CGridCtrl::ClearSelection(); }
    int GetScrollPosition() const override { return GetFirstRow(); }
    void SetScrollPosition(int firstRow) override { SetFirstRow(firstRow); }
    void Repaint() override;
    void UpdateBars(ViewMode mode) override;
    void ShowEntryPage(CWinBlogStorage& blog, BlogEntry& entry) override;
    void SetEntryPageEntry(BlogEntry& entry) override;
    void CloseEntryPage() override;
    void ReloadEntryPage() override;
    void ScrollEntryPage(bool down) override;
    void SetViewFont(const std::optional<LogicalFont>& font) override;
    LogicalFont GetViewFont() const override { return m_style.normalFont; }
    int GetPixelsPerInch() const override;

signals:
    // The mode or what its bars show changed.
    void barsChanged();

protected:
    void DrawItem(PaintContext& context, const Rect& cell, int index, bool selected) override;
    void OnItemActivated(int index) override;
    void OnTapAndHold(QPoint point, int index) override;
    void PaintOutsideGrid(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Layout {
        Home,
        Blog,
    };

    void ApplyLayout();
    Rect HeaderRect() const;

    MainViewController m_controller;
    ViewStyle m_style;
    Dib m_placeholder;
    Dib m_groupBadge;
    CImageWnd* m_entryPage { nullptr };
    CDocListComboBox* m_filterDropDown { nullptr };
    CDocListComboBox* m_categoryDropDown { nullptr };
    Layout m_layout { Layout::Home };
    bool m_inputPanelShown { false };
};
