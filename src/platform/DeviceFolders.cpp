#include "platform/DeviceFolders.h"

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

static constexpr const char* kCompanyAndProduct = "Quillberry/Vellumbrix";

static std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

static std::string HomeFolder()
{
    std::string home = EnvironmentValue("HOME");
    if (!home.empty())
        return home;
    if (passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

static std::string UserName()
{
    if (passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return entry->pw_name;
    return EnvironmentValue("USER");
}

static std::string XdgBaseFolder(const char* variable, const char* fallbackUnderHome)
{
    std::string value = EnvironmentValue(variable);
    if (!value.empty() && value.front() == '/')
        return value;
    return JoinPath(HomeFolder(), fallbackUnderHome);
}

// Looks a user folder up the way xdg-user-dirs does: the variable itself,
// then the user-dirs.dirs file, then HOME/fallback.
static std::string XdgUserFolder(const std::string& variable, const char* fallbackName)
{
    std::string value = EnvironmentValue(variable.c_str());
    if (!value.empty() && value.front() == '/')
        return value;

    std::string home = HomeFolder();
    auto file = ReadWholeFile(JoinPath(XdgBaseFolder("XDG_CONFIG_HOME", ".config"), "user-dirs.dirs"));
    if (!file.IsError()) {
        std::istringstream lines(*file);
        std::string line;
        while (std::getline(lines, line)) {
            std::string prefix = variable + "=\"";
            if (line.rfind(prefix, 0) != 0 || line.back() != '"')
                continue;
            std::string path = line.substr(prefix.size(), line.size() - prefix.size() - 1);
            if (path.rfind("$HOME", 0) == 0)
                path = home + path.substr(5);
            if (!path.empty() && path.front() == '/')
                return path;
        }
    }
    return JoinPath(home, fallbackName);
}

DeviceFolders DeviceFolders::ForSandbox(const std::string& sandboxHome)
{
    std::string home = AbsolutePath(sandboxHome);
    DeviceFolders folders;
    folders.m_sandboxHome = home;
    folders.m_personal = JoinPath(home, "My Documents");
    folders.m_pictures = JoinPath(folders.m_personal, "My Pictures");
    folders.m_internal = folders.m_personal;
    folders.m_data = JoinPath(folders.m_personal, kCompanyAndProduct);
    folders.m_registryFile = JoinPath(home, "registry.reg");
    folders.m_temporary = JoinPath(home, "Temp");
    return folders;
}

DeviceFolders DeviceFolders::ForDesktop()
{
    DeviceFolders folders;
    folders.m_personal = XdgUserFolder("XDG_DOCUMENTS_DIR", "Documents");
    folders.m_pictures = XdgUserFolder("XDG_PICTURES_DIR", "Pictures");
    folders.m_internal = HomeFolder();
    folders.m_data = JoinPath(XdgBaseFolder("XDG_DATA_HOME", ".local/share"), kCompanyAndProduct);
    folders.m_registryFile = JoinPath(JoinPath(XdgBaseFolder("XDG_CONFIG_HOME", ".config"), kCompanyAndProduct), "registry.reg");
    folders.m_addressBook = JoinPath(XdgBaseFolder("XDG_DATA_HOME", ".local/share"), "contacts");
    std::string temporary = EnvironmentValue("TMPDIR");
    folders.m_temporary = temporary.empty() ? "/tmp" : temporary;
    std::string user = UserName();
    if (!user.empty()) {
        folders.m_cardParents.push_back(JoinPath("/media", user));
        folders.m_cardParents.push_back(JoinPath("/run/media", user));
    }
    return folders;
}

DeviceFolders DeviceFolders::FromEnvironment()
{
    std::string home = EnvironmentValue("VELLUMBRIX_HOME");
    if (!home.empty())
        return ForSandbox(home);
    return ForDesktop();
}

static std::unique_ptr<DeviceFolders>& CurrentFoldersSlot()
{
    static std::unique_ptr<DeviceFolders> current;
    return current;
}

const DeviceFolders& DeviceFolders::Current()
{
    auto& slot = CurrentFoldersSlot();
    if (!slot)
        slot = std::make_unique<DeviceFolders>(FromEnvironment());
    return *slot;
}

void DeviceFolders::Use(DeviceFolders folders)
{
    CurrentFoldersSlot() = std::make_unique<DeviceFolders>(std::move(folders));
}

std::string DeviceFolders::TemporaryFolder() const
{
    // A folder that cannot be made fails the first file made in it, with
    // the reason the caller reports.
    (void)CreateFolderWithParents(m_temporary);
    return m_temporary;
}

std::vector<std::string> DeviceFolders::StorageCards() const
{
    std::vector<std::string> cards;
    if (m_sandboxHome) {
        auto entries = ListFolder(*m_sandboxHome);
        if (entries.IsError())
            return cards;
        for (auto& entry : *entries) {
            if (entry.isDirectory && entry.name.rfind("Storage Card", 0) == 0)
                cards.push_back(JoinPath(*m_sandboxHome, entry.name));
        }
        return cards;
    }
    for (auto& parent : m_cardParents) {
        auto entries = ListFolder(parent);
        if (entries.IsError())
            continue;
        for (auto& entry : *entries) {
            if (entry.isDirectory)
                cards.push_back(JoinPath(parent, entry.name));
        }
    }
    return cards;
}
