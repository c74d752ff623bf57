#pragma once

#include "CliRunner.h"

#include "support/TemporaryFolder.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// A sandboxed device that the command line works on, talking to a service
// on 127.0.0.1: its preferences point at the service and the daily check
// of the message file is not due.
class CliDevice {
public:
    explicit CliDevice(const std::string& serviceHost);

    CliResult Run(std::vector<std::string> arguments, const CliControl& control = {}) const;
    // Runs a command that must work; its JSON output.
    nlohmann::ordered_json Json(const std::vector<std::string>& arguments) const;
    // A photo of its own, `bytes` long at least, in the device's documents.
    std::string WritePhoto(const std::string& name, unsigned seed, std::size_t bytes = 0) const;
    std::string Home() const { return m_home.Path(); }
    std::string File(const std::string& name) const { return m_home.File(name); }

private:
    TemporaryFolder m_home;
};

bool Contains(const std::string& text, const std::string& part);
std::size_t CountOf(const std::string& text, const std::string& part);
