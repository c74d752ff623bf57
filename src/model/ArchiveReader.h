#pragma once

#include "model/ArchiveDamage.h"
#include "model/RuntimeClass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class File;

// Reads the little-endian primitives, length-prefixed strings, counts and
// tagged objects of an archive file through a 64 KB buffer.
//
// It never throws and never reads past the data: every length and count is
// checked against the bytes that are left before anything is allocated or
// read. The first thing that cannot be read is recorded as ArchiveDamage
// (the field, the record being read and the offset) and the failure is
// sticky: every later read returns zero or empty, so a record's serialise
// operation can run to its end without checks after each field.
class ArchiveReader {
public:
    static constexpr size_t kBufferSize = 65536;

    // Reads a file just opened, from its start to its end.
    explicit ArchiveReader(File& file);
    // Reads bytes held in memory.
    explicit ArchiveReader(std::span<const std::uint8_t> data);
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    std::uint8_t ReadU8(std::string_view field);
    std::uint16_t ReadU16(std::string_view field);
    std::uint32_t ReadU32(std::string_view field);
    // Any non-zero byte is true.
    bool ReadBool(std::string_view field);
    // An 8-bit string; a UTF-16 string is accepted too and converted.
    std::string ReadString(std::string_view field);
    // A UTF-16 string; an 8-bit string is accepted too and converted.
    std::u16string ReadUtf16String(std::string_view field);
    // The number of elements of a list. Each element takes at least one
    // byte, so a count larger than the bytes left is damage.
    std::uint32_t ReadCount(std::string_view field);
    std::vector<std::uint8_t> ReadBytes(std::uint32_t size, std::string_view field);

    // Reads an object's tag and enters it in the file's map. The tag must
    // name `expected` (as a new class or as one already read); anything
    // else is damage. Returns false after a failure.
    bool ReadObjectTag(const RuntimeClass& expected);

    // Everything has been read: any byte left over is damage.
    void ExpectEnd();

    // Records a failure found by the caller (e.g. the file could not be
    // opened); ignored when one is already recorded.
    void Fail(ArchiveDamage::Kind kind, ErrorCode error, std::string_view field, std::string detail);

    bool Failed() const { return m_damage.has_value(); }
    const std::optional<ArchiveDamage>& Damage() const { return m_damage; }
    ErrorCode GetError() const { return m_damage ? m_damage->error : Error::Success; }

    std::uint64_t Offset() const { return m_offset; }
    std::uint64_t BytesLeft() const { return m_size - m_offset; }

    // While it lives, damage reports name this record ("record 3 of 5 in
    // entries"). Scopes nest; the innermost one is named.
    class RecordScope {
    public:
        RecordScope(ArchiveReader& reader, std::string_view list, std::uint32_t index, std::uint32_t count);
        ~RecordScope();
        RecordScope(const RecordScope&) = delete;
        RecordScope& operator=(const RecordScope&) = delete;

    private:
        ArchiveReader& m_reader;
    };

private:
    struct Record {
        std::string_view list;
        std::uint32_t index;
        std::uint32_t count;
    };

    void BeginField(std::string_view field);
    bool Need(std::uint64_t size);
    bool ReadRaw(void* out, size_t size);
    bool CopyOut(std::uint8_t* destination, size_t size);
    bool ReadDirect(std::uint8_t* destination, size_t size);
    bool Refill();
    std::uint64_t ReadLengthPrefix(bool& isUtf16);
    bool ReadStringBody(std::string& bytes, std::u16string& units, bool& isUtf16);
    template<typename T>
    T ReadLittleEndian();
    bool ResolveClass(std::uint32_t mapNumber, const RuntimeClass& expected);

    File* m_file { nullptr };
    std::array<std::uint8_t, kBufferSize> m_storage {};
    const std::uint8_t* m_next { nullptr };
    const std::uint8_t* m_end { nullptr };
    std::uint64_t m_offset { 0 };
    std::uint64_t m_size { 0 };

    std::string_view m_field;
    std::uint64_t m_fieldStart { 0 };
    std::vector<Record> m_records;
    std::optional<ArchiveDamage> m_damage;

    // Map numbers start at 1; classes hold their class, objects nullptr.
    std::vector<const RuntimeClass*> m_loadMap { nullptr };
};
