#include "DialogTestKit.h"
#include "QtTestEnvironment.h"

#include "dialogs/CGetViewPasswordDlg.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/LimitedLineEdit.h"
#include "workflows/ViewPasswordWorkflow.h"

#include "support/SandboxDevice.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(ViewPasswordDialog, ShowsThePromptAndTheBlogsNameAndMasksThePassword)
{
    SandboxDevice device;
    ViewPasswordWorkflow workflow(u"family");
    CGetViewPasswordDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Password Required");
    ASSERT_NE(dialog.findChild<DialogHeading*>(), nullptr);
    EXPECT_EQ(dialog.findChild<DialogHeading*>()->Text(), "family");
    auto* field = Find<LimitedLineEdit>(dialog, "passwordField");
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    SaveScreenshot(dialog, "CGetViewPasswordDlg");

    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0) << "an empty password keeps the prompt open";
    EXPECT_EQ(device.Interaction().ShownMessages().size(), 1u);

    field->SetText("sesame");
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.Password(), "sesame");
}
