#pragma once

#include <string>
#include <string_view>

// "About Vellumbrix" (CAboutDlg): the program's icon and its version line.
class AboutWorkflow {
public:
    static constexpr std::string_view kTitle = "About Vellumbrix";

    // The program's version text.
    explicit AboutWorkflow(std::string version)
        : m_version(std::move(version))
    {
    }

    const std::string& GetVersion() const { return m_version; }
    // "Vellumbrix Vers %s" with the version.
    std::string VersionLine() const;

private:
    std::string m_version;
};
