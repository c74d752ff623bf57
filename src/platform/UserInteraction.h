#pragma once

#include "platform/ProgressWindow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

enum class MessageIcon {
    None,
    Warning,
    Question,
    Information,
    Error,
};

enum class DefaultButton {
    Yes,
    No,
};

// What the new-version notice returned.
struct NewVersionChoice {
    bool ignoreThisVersion { false };
    bool download { false };
};

// Everything that code outside the user interface asks of the user: message
// boxes, yes/no questions, the progress window's cancel button, the
// new-version notice. The desktop program implements it with real windows;
// HeadlessUserInteraction answers from a script. Prompts about a blog
// belong to the layer that knows blogs (model/BlogPrompts.h).
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
    // A modal Yes/No question; true means Yes.
    virtual bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) = 0;
    // Whether a person, or an answer given in advance, answers questions.
    // Without either AskYesNo says No, which is nobody's choice: callers
    // for whom a No changes something elsewhere leave it be instead.
    virtual bool CanAnswerQuestions() const { return true; }

    // The new-version notice: shows the version, offers to ignore it and to
    // download it.
    virtual NewVersionChoice ShowNewVersion(std::string_view version) = 0;
    // Opens a web page with the desktop's browser.
    virtual void OpenWebPage(std::string_view url) = 0;
    // Asks the program to end once the current command is over.
    virtual void RequestQuit() = 0;

    // Opens a progress window with `lines` lines (title included), shown at
    // once or only when the operation calls Show(). It closes when deleted.
    virtual std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) = 0;

    // The interaction that non-UI code uses now. Never null: a headless one
    // that refuses every question is installed until the program sets its own.
    static UserInteraction& Current();
    // Installs an interaction (not owned); nullptr restores the default.
    static void Use(UserInteraction* interaction);
};
