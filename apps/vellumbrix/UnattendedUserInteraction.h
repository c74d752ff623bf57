#pragma once

#include "dialogs/QtUserInteraction.h"

// The user interaction of a run without anyone at the screen: messages go to
// stderr, questions take their default answer, the prompts are cancelled
// and no web page is opened; progress windows are the real ones.
class UnattendedUserInteraction : public QtUserInteraction {
public:
    using QtUserInteraction::QtUserInteraction;

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;
};
