#pragma once

#include <string>

// A fresh folder under the system temporary folder, removed with everything
// in it when the object goes away.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Small file helpers for tests.
void WriteTextFile(const std::string& path, const std::string& contents);
std::string ReadTextFile(const std::string& path);
