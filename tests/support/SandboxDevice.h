#pragma once

#include "platform/HeadlessUserInteraction.h"
#include "support/TemporaryFolder.h"

#include <string>

// A sandboxed device in a temporary folder, installed as the current device
// folders with a scripted user interaction for the life of the object.
class SandboxDevice {
public:
    SandboxDevice();
    ~SandboxDevice();

    const std::string& Home() const { return m_folder.Path(); }
    std::string Path(const std::string& relative) const { return m_folder.File(relative); }
    HeadlessUserInteraction& Interaction() { return m_interaction; }

    // Adds a storage card folder ("Storage Card", "Storage Card 2", ...).
    std::string AddStorageCard(const std::string& name = "Storage Card");

private:
    TemporaryFolder m_folder;
    HeadlessUserInteraction m_interaction;
};
