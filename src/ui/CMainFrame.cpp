#include "ui/CMainFrame.h"

#include "ui/CChildView.h"

CMainFrame::CMainFrame(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_view(new CChildView(user, dialogs, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_view);
}

void CMainFrame::OnCommand(CommandId id)
{
    if (m_view->GetController().RunCommand(id))
        return;
    if (id == Command::Exit)
        emit exitRequested();
}

void CMainFrame::resizeEvent(QResizeEvent*)
{
    m_view->setGeometry(rect());
}

void CMainFrame::focusInEvent(QFocusEvent*)
{
    m_view->setFocus();
}
