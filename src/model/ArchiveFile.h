#pragma once

#include "model/Archive.h"
#include "model/ArchiveDamage.h"
#include "platform/AtomicFile.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

// The file of an archive (a blog store or the user file), read and written
// whole by a serialise operation.
//
// Saving never truncates the old file: the new contents go to a temporary
// file in the same folder, which is flushed to disk and renamed over the old
// one, so the path always holds either the old or the new file. A file that
// a load found damaged (or could not open) is kept aside under
// NAME.damaged before the first save replaces it, so that nothing the
// program could not read is ever lost silently.
class ArchiveFile {
public:
    explicit ArchiveFile(std::string path = {}, unsigned permissions = 0666)
        : m_path(std::move(path))
        , m_permissions(permissions)
    {
    }

    const std::string& GetPath() const { return m_path; }
    // A damaged file found at the old path is no reason to keep aside
    // whatever is at the new one.
    void SetPath(std::string path)
    {
        m_path = std::move(path);
        m_mustPreserve = false;
    }

    // Reads the file through `read`. A missing file reads nothing and is
    // success. Damage is returned as its code and kept (GetDamage()); the
    // fields read before it keep their values, the others are untouched.
    ErrorCode Load(const std::function<void(Archive&)>& read);
    // Writes the file through `write`. On failure the old file is intact.
    // CommitFlush::Later leaves the writing out to the kernel until
    // FlushToDisk() or the next save made with CommitFlush::ToDisk.
    ErrorCode Save(const std::function<void(Archive&)>& write, CommitFlush flush = CommitFlush::ToDisk);
    // Puts the file on the disk when a save left it to the kernel; nothing
    // to do otherwise.
    ErrorCode FlushToDisk();

    // Whether the last load found a file (damaged or not).
    bool WasFound() const { return m_found; }
    const std::optional<ArchiveDamage>& GetDamage() const { return m_damage; }
    // A damaged file is still waiting to be kept aside.
    bool MustPreserveBeforeSaving() const { return m_mustPreserve; }
    // Where the damaged file was kept; empty when it was not needed.
    const std::string& GetPreservedCopyPath() const { return m_preservedCopy; }

private:
    std::string m_path;
    unsigned m_permissions;
    bool m_found { false };
    bool m_mustPreserve { false };
    bool m_unflushed { false };
    std::optional<ArchiveDamage> m_damage;
    std::string m_preservedCopy;
};
