#include "dialogs/CAboutDlg.h"

#include "dialogs/DialogGeometry.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/ProgramIcon.h"
#include "dialogs/QtText.h"

#include "workflows/AboutWorkflow.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(const AboutWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(AboutWorkflow::kTitle, parent)
{
    auto* icon = Place(new QLabel(this), { 6, 8, 32, 32 });
    icon->setObjectName("programIcon");
    icon->setPixmap(ProgramIcon(DialogGeometry::ScaleY(32)));
    AddHeading(this, workflow.VersionLine(), { 46, 8, 188, 18 }, false)->setObjectName("versionLine");
    AddLabel(this, "Photo blogs on the go: take photos, caption them and share them on VellumbrixWeb.", { 46, 30, 188, 42 }, true);
    AddLabel(this, "Quillberry", { 46, 76, 188, 14 });

    auto* ok = AddButton(this, "OK", { 162, 240, 72, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    Layout().Anchor(ok);
    connect(ok, &QPushButton::clicked, this, &CHandheldDialog::accept);
}
