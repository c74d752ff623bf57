#pragma once

#include <string>

// CAboutDlg: the program's icon and version.
class AboutWorkflow {
public:
    explicit AboutWorkflow(std::string version)
        : m_version(std::move(version))
    {
    }

    const std::string& GetVersion() const { return m_version; }

private:
    std::string m_version;
};
