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

std::optional<std::string> UnattendedUserInteraction::AskViewPassword(std::string_view blogName)
{
    std::cerr << "vellumbrix: view password for " << blogName << " not given\n";
    return std::nullopt;
}
