#include "workflows/WelcomeFlow.h"

#include "model/CWinBlogUser.h"
#include "workflows/CreateAccountWorkflow.h"
#include "workflows/DialogHost.h"
#include "workflows/LoginInfoWorkflow.h"
#include "workflows/NetworkOperations.h"
#include "workflows/NetworkStep.h"
#include "workflows/WelcomeWorkflow.h"

static bool RefreshAccount(NetworkOperations* network, CWinBlogUser& user)
{
    if (!network)
        return false;
    // The refresh reports its own failures and saves the user record.
    return RunConnected([&](ProgressWindow& progress) { (void)network->GetUserInfo(user, progress); });
}

bool RunWelcomeFlow(DialogHost& dialogs, NetworkServices services, CWinBlogUser& user, bool startUp)
{
    if (!dialogs.Has(DialogId::Welcome))
        return false;
    WelcomeWorkflow welcome;
    if (dialogs.RunWelcome(welcome) != DialogResults::WelcomeNext)
        return false;

    if (welcome.GetChoice() == WelcomeWorkflow::CreateNewAccount) {
        CreateAccountWorkflow createAccount(user, services);
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
    return RefreshAccount(services.operations, user);
}
