#include "support/SandboxDevice.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"

#include <stdexcept>

SandboxDevice::SandboxDevice()
{
    DeviceFolders::Use(DeviceFolders::ForSandbox(m_folder.Path()));
    if (CreateFolderWithParents(DeviceFolders::Current().PersonalFolder()))
        throw std::runtime_error("the sandbox's personal folder cannot be made");
    UserInteraction::Use(&m_interaction);
}

SandboxDevice::~SandboxDevice()
{
    UserInteraction::Use(nullptr);
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
}

std::string SandboxDevice::AddStorageCard(const std::string& name)
{
    std::string path = m_folder.File(name);
    if (CreateFolderWithParents(path))
        throw std::runtime_error("the storage card folder cannot be made");
    return path;
}
