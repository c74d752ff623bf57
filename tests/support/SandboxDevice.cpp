#include "support/SandboxDevice.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"

SandboxDevice::SandboxDevice()
{
    DeviceFolders::Use(DeviceFolders::ForSandbox(m_folder.Path()));
    CreateFolderWithParents(DeviceFolders::Current().PersonalFolder());
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
    CreateFolderWithParents(path);
    return path;
}
