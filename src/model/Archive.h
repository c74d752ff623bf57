#pragma once

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class SerializableObject;

// One direction of an archive file, handed to the serialise operations.
// The Exchange calls write a field when storing and read it back when
// loading, so each serialise operation lists its fields once, in file order,
// and both directions cannot drift apart.
class Archive {
public:
    explicit Archive(ArchiveReader& reader)
        : m_reader(&reader)
    {
    }
    explicit Archive(ArchiveWriter& writer)
        : m_writer(&writer)
    {
    }

    bool IsStoring() const { return m_writer != nullptr; }
    bool IsLoading() const { return m_reader != nullptr; }
    ArchiveReader& Reader() { return *m_reader; }
    ArchiveWriter& Writer() { return *m_writer; }

    // Loading: a failure has been recorded, and what follows is not read.
    bool Failed() const { return m_reader && m_reader->Failed(); }

    void Exchange(std::string_view field, std::uint8_t& value);
    void Exchange(std::string_view field, std::uint16_t& value);
    void Exchange(std::string_view field, std::uint32_t& value);
    void Exchange(std::string_view field, bool& value);
    // An 8-bit string.
    void Exchange(std::string_view field, std::string& text);
    // A u32 size, then that many bytes (none when the size is 0).
    void ExchangeBlock(std::string_view sizeField, std::string_view field, std::vector<std::uint8_t>& bytes);
    // A count, then each text as a UTF-16 string.
    void ExchangeTextList(std::string_view field, std::vector<std::u16string>& texts);

    // Writes the object as a tagged object: its tag, then its fields.
    void WriteObject(SerializableObject& object);
    // Reads a tagged object that must be of `expected`; none after a failure
    // (an object that was read only in part is dropped).
    std::unique_ptr<SerializableObject> ReadObject(const RuntimeClass& expected);

private:
    ArchiveReader* m_reader { nullptr };
    ArchiveWriter* m_writer { nullptr };
};
