#pragma once

#include "platform/File.h"

#include <string>

// Replaces a file so that the path always holds either the complete old
// contents or the complete new ones. Writes go to a temporary file in the
// same folder; Commit() flushes it to disk and renames it over the target.
// A file that is never committed is removed when the object goes away.
class AtomicFile {
public:
    AtomicFile(AtomicFile&& other) noexcept;
    AtomicFile& operator=(AtomicFile&&) = delete;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // permissions apply to a new file (filtered by the umask); an existing
    // target keeps its own mode.
    static ErrorOr<AtomicFile> Begin(const std::string& targetPath, unsigned permissions = 0666);

    File& GetFile() { return m_file; }
    ErrorCode Write(const void* data, size_t size) { return m_file.WriteAll(data, size); }

    ErrorCode Commit();

    const std::string& TargetPath() const { return m_targetPath; }
    const std::string& TemporaryPath() const { return m_temporaryPath; }

private:
    AtomicFile(std::string targetPath, std::string temporaryPath, File file)
        : m_targetPath(std::move(targetPath))
        , m_temporaryPath(std::move(temporaryPath))
        , m_file(std::move(file))
    {
    }

    void Discard();

    std::string m_targetPath;
    std::string m_temporaryPath;
    File m_file;
    bool m_committed { false };
};

// Writes data to path atomically.
ErrorCode WriteFileAtomically(const std::string& path, const void* data, size_t size, unsigned permissions = 0666);
