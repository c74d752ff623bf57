#pragma once

#include <optional>
#include <string>
#include <string_view>

class CWinBlogStorage;

// Which pages the blog preferences sheet shows: subscribing shows the sync
// page alone, the blog's own command both with the sync page first.
enum class BlogPreferencesPages {
    SyncOnly,
    BlogAndSync,
};

// The prompts that the blog records need from the user and that need a
// blog: the blog preferences sheet (subscribing to a blog) and the
// view-password prompt (a password-protected blog). The store layer owns
// the interface, so that nothing below it names a blog; the terminal, the
// scripted interaction of the tests and the desktop's dialogs implement it,
// each beside its UserInteraction.
class BlogPrompts {
public:
    virtual ~BlogPrompts() = default;

    // The blog preferences sheet for one blog; it writes into the store's
    // descriptor only when closed with OK, and then returns true.
    virtual bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) = 0;
    // Asks for the view password of a password-protected blog. None when
    // the user cancels; never an empty password.
    virtual std::optional<std::string> AskViewPassword(std::string_view blogName) = 0;

    // The prompts the records use now. Never null: until the program sets
    // its own, a scripted one answers (the sheet closes with OK and leaves
    // the blog as it is, the password prompt is cancelled).
    static BlogPrompts& Current();
    // Installs prompts (not owned); nullptr restores the default.
    static void Use(BlogPrompts* prompts);
};
