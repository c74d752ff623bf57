#pragma once

#include "model/BlogPrompts.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Answers the blog prompts from a script instead of a window, for tests and
// programs without a screen. Unscripted, the preferences sheet closes with
// OK (the blog keeps what it has) and the password prompt is cancelled.
// Everything asked is recorded.
class HeadlessBlogPrompts : public BlogPrompts {
public:
    HeadlessBlogPrompts() = default;
    // What is asked is also written to `echo` when it is set.
    explicit HeadlessBlogPrompts(std::ostream* echo)
        : m_echo(echo)
    {
    }

    // How the next blog preferences sheet closes (OK when unscripted). The
    // sheet leaves the store as it is either way.
    void ScriptBlogPreferences(bool ok) { m_preferencesAnswers.push_back(ok); }
    // The next view-password prompt types this password (none: Cancel,
    // which is also the answer when unscripted).
    void ScriptViewPassword(std::optional<std::string> password) { m_passwords.push_back(std::move(password)); }

    // The pages of every blog preferences sheet opened so far.
    const std::vector<BlogPreferencesPages>& PreferencesSheets() const { return m_preferencesSheets; }
    // The blog names of every view-password prompt so far.
    const std::vector<std::string>& PasswordPrompts() const { return m_passwordPrompts; }

    bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) override;
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;

private:
    std::ostream* m_echo { nullptr };
    std::deque<bool> m_preferencesAnswers;
    std::deque<std::optional<std::string>> m_passwords;
    std::vector<BlogPreferencesPages> m_preferencesSheets;
    std::vector<std::string> m_passwordPrompts;
};

// Installs scripted prompts for the life of the object (a test's), and the
// previous ones again afterwards.
class ScopedHeadlessBlogPrompts : public HeadlessBlogPrompts {
public:
    ScopedHeadlessBlogPrompts()
        : m_previous(&BlogPrompts::Current())
    {
        BlogPrompts::Use(this);
    }
    ~ScopedHeadlessBlogPrompts() override { BlogPrompts::Use(m_previous); }
    ScopedHeadlessBlogPrompts(const ScopedHeadlessBlogPrompts&) = delete;
    ScopedHeadlessBlogPrompts& operator=(const ScopedHeadlessBlogPrompts&) = delete;

private:
    BlogPrompts* m_previous;
};
