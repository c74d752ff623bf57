#pragma once

#include "platform/File.h"

#include <cstdint>
#include <string>

// How far a commit goes before it answers.
enum class CommitFlush : std::uint8_t {
    // The new contents and the new name are on the disk.
    ToDisk,
    // Renamed into place and left to the kernel to write out: a killed
    // process loses nothing, but a machine that loses power before the
    // kernel writes may come back with an older file. For a run of saves
    // made durable together at its end (AtomicFile::FlushToDisk).
    Later,
};

// Replaces a file so that the path always holds either the complete old
// contents or the complete new ones. Writes go to a temporary file in the
// same folder, TARGET.saving-XXXXXX (never ending in the extension of a
// store, so that no folder scan takes it for one); Commit() flushes it to
// disk and renames it over the target. A file that is never committed is
// removed when the object goes away.
//
// A save killed midway cannot remove its temporary file, so each save
// holds an advisory lock on its own while it writes, and a save starting
// removes the temporary files of the same target that nobody holds.
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
    // The same, without looking for the target's temporary files left
    // behind: for a run of saves into one folder whose leftovers are
    // removed once (RemoveLeftoversIn) rather than at every save, which
    // would read the whole folder each time.
    static ErrorOr<AtomicFile> BeginWithoutCleanup(const std::string& targetPath, unsigned permissions = 0666);
    // Removes the temporary files of killed saves of any target in the
    // folder.
    static void RemoveLeftoversIn(const std::string& folder);

    File& GetFile() { return m_file; }
    ErrorCode Write(const void* data, size_t size) { return m_file.WriteAll(data, size); }

    ErrorCode Commit(CommitFlush flush = CommitFlush::ToDisk);

    // Puts on the disk what the kernel still holds of the file at the path
    // and of its folder's entry for it: the end of a run of saves committed
    // with CommitFlush::Later.
    static ErrorCode FlushToDisk(const std::string& path);

    // The temporary files of a target are named this plus six characters.
    static std::string TemporaryPrefixFor(const std::string& targetPath);

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
