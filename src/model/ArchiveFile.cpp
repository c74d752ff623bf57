#include "model/ArchiveFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

ErrorCode ArchiveFile::Load(const std::function<void(Archive&)>& read)
{
    m_found = false;
    m_mustPreserve = false;
    m_damage.reset();

    auto file = File::Open(m_path, File::Mode::Read);
    if (file.IsError()) {
        if (file.GetError() == Error::FileNotFound || file.GetError() == Error::PathNotFound)
            return Error::Success;
        // It is there but cannot be read: a later save must not replace it
        // unseen.
        m_found = true;
        m_mustPreserve = true;
        m_damage = ArchiveDamage { ArchiveDamage::Kind::CannotOpen, file.GetError(), 0, {}, {}, "system error " + std::to_string(file.GetError()) };
        return file.GetError();
    }
    m_found = true;

    ArchiveReader reader(*file);
    Archive archive(reader);
    read(archive);
    reader.ExpectEnd();
    if (!reader.Failed())
        return Error::Success;
    m_damage = *reader.Damage();
    m_mustPreserve = true;
    return reader.GetError();
}

ErrorCode ArchiveFile::Save(const std::function<void(Archive&)>& write, CommitFlush flush)
{
    if (m_mustPreserve && PathExists(m_path)) {
        auto copy = PreserveDamagedFile(m_path);
        if (copy.IsError())
            return copy.GetError();
        m_preservedCopy = *copy;
    }
    m_mustPreserve = false;

    auto file = AtomicFile::Begin(m_path, m_permissions);
    if (file.IsError())
        return file.GetError();
    ArchiveWriter writer(file->GetFile());
    Archive archive(writer);
    write(archive);
    if (auto error = writer.Flush())
        return error;
    if (auto error = file->Commit(flush))
        return error;
    m_unflushed = flush == CommitFlush::Later;
    return Error::Success;
}

ErrorCode ArchiveFile::FlushToDisk()
{
    if (!m_unflushed)
        return Error::Success;
    if (auto error = AtomicFile::FlushToDisk(m_path))
        return error;
    m_unflushed = false;
    return Error::Success;
}
