#include "UnattendedUserInteraction.h"

#include <iostream>

void UnattendedUserInteraction::ShowMessage(std::string_view text, MessageIcon)
{
    std::cerr << "vellumbrix: message: " << text << "\n";
}

bool UnattendedUserInteraction::AskYesNo(std::string_view text, MessageIcon, DefaultButton defaultButton)
{
    bool yes = defaultButton == DefaultButton::Yes;
    std::cerr << "vellumbrix: question: " << text << " -> " << (yes ? "Yes" : "No") << "\n";
    return yes;
}

NewVersionChoice UnattendedUserInteraction::ShowNewVersion(std::string_view version)
{
    std::cerr << "vellumbrix: new version " << version << " available\n";
    return {};
}

void UnattendedUserInteraction::OpenWebPage(std::string_view url)
{
    std::cerr << "vellumbrix: web page " << url << " not opened\n";
}

bool UnattendedUserInteraction::ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages)
{
    CancelWhenShown cancel(m_shown);
    // Cancelled, so the blog keeps the settings it has.
    (void)QtUserInteraction::ShowBlogPreferences(store, pages);
    std::cerr << "vellumbrix: CBlogPrefsDlg cancelled (nobody at the screen)\n";
    return false;
}

std::optional<std::string> UnattendedUserInteraction::AskViewPassword(std::string_view blogName)
{
    CancelWhenShown cancel(m_shown);
    (void)QtUserInteraction::AskViewPassword(blogName); // cancelled: no password
    std::cerr << "vellumbrix: view password for " << blogName << " not given\n";
    return std::nullopt;
}
