#pragma once

#include "CancelWhenShown.h"

#include "dialogs/QtUserInteraction.h"

// The user interaction of a run without anyone at the screen: messages go to
// stderr, questions take their default answer, the blog preferences and
// the view-password prompt are shown and cancelled at once (as the
// unattended dialogs are) and no web page is opened; progress windows are
// the real ones.
class UnattendedUserInteraction : public QtUserInteraction {
public:
    using QtUserInteraction::QtUserInteraction;

    void SetShownHandler(CancelWhenShown::ShownHandler shown) { m_shown = std::move(shown); }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) override;
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;

private:
    CancelWhenShown::ShownHandler m_shown;
};
