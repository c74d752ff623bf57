#pragma once

#include "platform/File.h"
#include "transport/LargeStream.h"

#include <memory>
#include <string>

// A LargeStream over a file of this machine.
//
// A temporary stream's file never has a name that could be left behind: it
// is made nameless in the temporary folder (or its name is removed the
// moment it exists), so it disappears when the stream closes it, and also
// when the program is killed. FileName() is empty for it.
class FileLargeStream final : public LargeStream {
public:
    // A new, empty temporary file in the device's temporary folder; null when
    // it cannot be made.
    static std::unique_ptr<FileLargeStream> CreateTemporary();
    // An existing file, opened for reading and writing; kept when the stream
    // goes away.
    static std::unique_ptr<FileLargeStream> OpenExisting(const std::string& path);
    // A file that is already open; the stream closes it but keeps the file.
    static std::unique_ptr<FileLargeStream> OverFile(File file);

    // Writes what the buffer still holds, then closes the file.
    ~FileLargeStream() override;

    const std::string& FileName() const { return m_fileName; }
    bool IsTemporary() const { return m_temporary; }

protected:
    bool FillBuffer() override;
    bool FlushBuffer() override;
    bool SeekFile(std::uint32_t position) override;
    bool GetFileLength(std::uint32_t& length) override;

private:
    FileLargeStream(File file, std::string fileName, bool temporary);

    File m_file;
    std::string m_fileName;
    bool m_temporary { false };
};
