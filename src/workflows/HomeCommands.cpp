#include "workflows/MainViewController.h"

#include "app/Messages.h"
#include "app/Preferences.h"
#include "app/ProgramVersion.h"
#include "model/CWinBlogUser.h"
#include "workflows/AboutWorkflow.h"
#include "workflows/AccountInfoWorkflow.h"
#include "workflows/CameraPrefsWorkflow.h"
#include "workflows/ChooseFontWorkflow.h"
#include "workflows/EditBlogListWorkflow.h"
#include "workflows/MainViewSurface.h"
#include "workflows/NewBlogWorkflow.h"
#include "workflows/SubscribeWorkflow.h"

namespace {

constexpr StringId kNoSupportedCamera = 168;

}

void MainViewController::OnSubscribe(CommandId, const Target&)
{
    if (RunWelcomeFlowIfNoLogin())
        return;
    SubscribeWorkflow workflow(m_user, m_dialogs, GetNetworkServices());
    if (m_dialogs.RunSubscribe(workflow) == DialogResults::Ok)
        AddNewBlog(workflow.TakeNewBlog());
}

void MainViewController::OnCreateNewBlog(CommandId, const Target&)
{
    if (RunWelcomeFlowIfNoLogin())
        return;
    NewBlogWorkflow workflow(m_user, GetNetworkServices());
    if (m_dialogs.RunNewBlog(workflow) == DialogResults::Ok)
        AddNewBlog(workflow.TakeNewBlog());
}

void MainViewController::OnEditBlogs(CommandId, const Target&)
{
    // The selection is found again by name: the dialog may remove blogs.
    std::string selectedName;
    long selection = m_currentBlog ? -1 : m_surface.GetSelection();
    if (CWinBlogStorage* selected = selection >= 0 ? BlogAt(static_cast<size_t>(selection)) : nullptr)
        selectedName = selected->GetBlogInfo().GetUrlName();

    EditBlogListWorkflow workflow(m_user, m_dialogs);
    (void)m_dialogs.RunEditBlogList(workflow); // the list is what it is, whatever the button

    RefreshHomeList();
    long index = selectedName.empty() ? -1 : m_user.GetBlogList().FindIndex(std::string_view(selectedName));
    if (index >= 0)
        m_surface.Select(index);
    else
        m_surface.ClearSelection();
    m_surface.Repaint();
}

void MainViewController::OnAccountInfo(CommandId, const Target&)
{
    AccountInfoWorkflow workflow(m_user);
    (void)m_dialogs.RunAccountInfo(workflow); // the result is not used
}

void MainViewController::OnCameraPrefs(CommandId, const Target&)
{
    if (!m_dialogs.IsCameraSupported()) {
        ShowStringMessage(kNoSupportedCamera, MessageIcon::Warning);
        return;
    }
    CameraPrefsWorkflow workflow(ReadShowEditDialog() != 0, ReadStayInCamera() != 0);
    if (m_dialogs.RunCameraPrefs(workflow) != DialogResults::Ok)
        return;
    // A preference that cannot be written keeps its old value, silently,
    // as every preference does.
    WriteShowEditDialog(workflow.GetShowEditDialog() ? 1 : 0);
    WriteStayInCamera(workflow.GetStayInCamera() ? 1 : 0);
}

void MainViewController::OnFont(CommandId, const Target&)
{
    ChooseFontWorkflow workflow(m_surface.GetViewFont(), m_surface.GetPixelsPerInch());
    if (m_dialogs.RunChooseFont(workflow) != DialogResults::Ok)
        return;
    // A font that cannot be kept still serves this run, as every
    // preference that cannot be written does.
    (void)workflow.WriteChoice();
    m_surface.SetViewFont(workflow.GetFont());
    m_surface.Repaint();
}

void MainViewController::OnAbout(CommandId, const Target&)
{
    AboutWorkflow workflow { std::string(ProgramVersionText()) };
    (void)m_dialogs.RunAbout(workflow); // it only closes
}
