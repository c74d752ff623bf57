#include "workflows/WelcomeFlow.h"

#include "model/CWinBlogUser.h"
#include "platform/UserInteraction.h"
#include "transport/NetworkConnection.h"
#include "workflows/CreateAccountWorkflow.h"
#include "workflows/DialogHost.h"
#include "workflows/LoginInfoWorkflow.h"
#include "workflows/NetworkOperations.h"
#include "workflows/WelcomeWorkflow.h"

// Lines of the progress window: the title and two status lines.
static constexpr int kProgressLines = 3;

static bool RefreshAccount(NetworkOperations* network, CWinBlogUser& user)
{
    if (!network)
        return false;
    auto progress = UserInteraction::Current().OpenProgressWindow(kProgressLines, false);
    NetworkConnection connection(progress.get());
    if (!connection.IsConnected())
        return false;
    // The refresh reports its own failures and saves the user record.
    (void)network->GetUserInfo(user, *progress);
    return true;
}

bool RunWelcomeFlow(DialogHost& dialogs, NetworkOperations* network, CWinBlogUser& user, bool startUp)
{
    if (!dialogs.Has(DialogId::Welcome))
        return false;
    WelcomeWorkflow welcome;
    if (dialogs.RunWelcome(welcome) != DialogResults::WelcomeNext)
        return false;

    if (welcome.GetChoice() == WelcomeWorkflow::CreateNewAccount) {
        CreateAccountWorkflow createAccount(user);
        return dialogs.RunCreateAccount(createAccount) == DialogResults::Ok && createAccount.WasBlogCreated() && !startUp;
    }

    LoginInfoWorkflow loginInfo(user);
    if (dialogs.RunLoginInfo(loginInfo) != DialogResults::Ok)
        return false;
    // A user file that cannot be written has said so (message 6002); the
    // login stays in memory for this run.
    (void)user.Save();
    if (startUp)
        return false;
    return RefreshAccount(network, user);
}
