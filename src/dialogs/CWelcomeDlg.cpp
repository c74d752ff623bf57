#include "dialogs/CWelcomeDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include "workflows/WelcomeWorkflow.h"

#include <QPushButton>
#include <QRadioButton>

CWelcomeDlg::CWelcomeDlg(WelcomeWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(WelcomeWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddHeading(this, WelcomeWorkflow::kHeading, { 6, 6, 228, 20 }, true);
    AddLabel(this, WelcomeWorkflow::kText, { 6, 32, 228, 56 }, true);
    m_create = Place(new QRadioButton(ToQString(WelcomeWorkflow::kCreateChoice), this), { 14, 96, 220, 18 });
    m_create->setObjectName("createAccountChoice");
    m_login = Place(new QRadioButton(ToQString(WelcomeWorkflow::kLoginChoice), this), { 14, 120, 220, 18 });
    m_login->setObjectName("loginInfoChoice");
    (workflow.GetChoice() == WelcomeWorkflow::EnterLoginInfo ? m_login : m_create)->setChecked(true);

    auto buttons = AddButtonPair("Next", "Cancel");
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        m_workflow.SetChoice(m_login->isChecked() ? WelcomeWorkflow::EnterLoginInfo : WelcomeWorkflow::CreateNewAccount);
        done(DialogResults::WelcomeNext);
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
