#pragma once

#include "workflows/NetworkServices.h"

class CWinBlogUser;
class DialogHost;

// The first-launch flow: the welcome dialog, then creating an account or
// entering the login information of an existing one. At start-up the
// account refresh after a login is left to the view's start (it sees the
// startup connect flag); otherwise it runs at once under a progress window.
// Returns whether the user's list of blogs may have changed. Without the
// welcome dialog the flow does nothing.
bool RunWelcomeFlow(DialogHost& dialogs, NetworkServices services, CWinBlogUser& user, bool startUp);
