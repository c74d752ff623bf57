#include "model/ArchiveReader.h"

#include "platform/CodePage.h"
#include "platform/File.h"

#include <algorithm>
#include <cstring>

static constexpr std::uint16_t kNewClassTag = 0xFFFF;
static constexpr std::uint16_t kClassTag = 0x8000;
static constexpr std::uint16_t kBigObjectTag = 0x7FFF;
static constexpr std::uint32_t kBigClassTag = 0x80000000;
static constexpr std::uint16_t kUtf16Marker = 0xFFFE;

ArchiveReader::ArchiveReader(File& file)
    : m_file(&file)
{
    m_next = m_end = m_storage.data();
    auto size = file.Size();
    if (size.IsError()) {
        Fail(ArchiveDamage::Kind::ReadFailed, size.GetError(), {}, "system error " + std::to_string(size.GetError()));
        return;
    }
    m_size = *size;
}

ArchiveReader::ArchiveReader(std::span<const std::uint8_t> data)
    : m_next(data.data())
    , m_end(data.data() + data.size())
    , m_size(data.size())
{
}

ArchiveReader::RecordScope::RecordScope(ArchiveReader& reader, std::string_view list, std::uint32_t index, std::uint32_t count)
    : m_reader(reader)
{
    m_reader.m_records.push_back({ list, index, count });
}

ArchiveReader::RecordScope::~RecordScope()
{
    m_reader.m_records.pop_back();
}

void ArchiveReader::Fail(ArchiveDamage::Kind kind, ErrorCode error, std::string_view field, std::string detail)
{
    if (m_damage)
        return;
    ArchiveDamage damage;
    damage.kind = kind;
    damage.error = error;
    damage.offset = field.empty() ? m_offset : m_fieldStart;
    damage.field = std::string(field);
    if (!m_records.empty()) {
        auto& record = m_records.back();
        damage.record = "record " + std::to_string(record.index + 1) + " of " + std::to_string(record.count) + " in " + std::string(record.list);
    }
    damage.detail = std::move(detail);
    m_damage = std::move(damage);
}

void ArchiveReader::BeginField(std::string_view field)
{
    m_field = field;
    m_fieldStart = m_offset;
}

bool ArchiveReader::Need(std::uint64_t size)
{
    if (Failed())
        return false;
    if (size <= BytesLeft())
        return true;
    Fail(ArchiveDamage::Kind::EndOfData, Error::HandleEof, m_field,
        std::to_string(size) + " bytes needed, " + std::to_string(BytesLeft()) + " left");
    return false;
}

bool ArchiveReader::Refill()
{
    if (!m_file) {
        Fail(ArchiveDamage::Kind::EndOfData, Error::HandleEof, m_field, {});
        return false;
    }
    auto count = m_file->Read(std::as_writable_bytes(std::span(m_storage)));
    if (count.IsError()) {
        Fail(ArchiveDamage::Kind::ReadFailed, count.GetError(), m_field, "system error " + std::to_string(count.GetError()));
        return false;
    }
    if (*count == 0) {
        Fail(ArchiveDamage::Kind::EndOfData, Error::HandleEof, m_field, "the file became shorter while it was read");
        return false;
    }
    m_next = m_storage.data();
    m_end = m_next + *count;
    return true;
}

bool ArchiveReader::ReadDirect(std::uint8_t* destination, size_t size)
{
    auto count = m_file->ReadFully(std::as_writable_bytes(std::span(destination, size)));
    if (count.IsError()) {
        Fail(ArchiveDamage::Kind::ReadFailed, count.GetError(), m_field, "system error " + std::to_string(count.GetError()));
        return false;
    }
    if (*count < size) {
        Fail(ArchiveDamage::Kind::EndOfData, Error::HandleEof, m_field, "the file became shorter while it was read");
        return false;
    }
    m_offset += size;
    return true;
}

bool ArchiveReader::CopyOut(std::uint8_t* destination, size_t size)
{
    while (size > 0) {
        if (m_next == m_end) {
            // Large blocks (thumbnails) go straight to their destination.
            if (m_file && size >= kBufferSize)
                return ReadDirect(destination, size);
            if (!Refill())
                return false;
        }
        size_t chunk = std::min(size, static_cast<size_t>(m_end - m_next));
        std::memcpy(destination, m_next, chunk);
        m_next += chunk;
        destination += chunk;
        size -= chunk;
        m_offset += chunk;
    }
    return true;
}

bool ArchiveReader::ReadRaw(void* out, size_t size)
{
    auto* destination = static_cast<std::uint8_t*>(out);
    if (Need(size) && CopyOut(destination, size))
        return true;
    if (size)
        std::memset(destination, 0, size);
    return false;
}

template<typename T>
T ArchiveReader::ReadLittleEndian()
{
    std::uint8_t bytes[sizeof(T)];
    if (!ReadRaw(bytes, sizeof(T)))
        return 0;
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(static_cast<T>(bytes[i]) << (8 * i));
    return value;
}

std::uint8_t ArchiveReader::ReadU8(std::string_view field)
{
    BeginField(field);
    return ReadLittleEndian<std::uint8_t>();
}

std::uint16_t ArchiveReader::ReadU16(std::string_view field)
{
    BeginField(field);
    return ReadLittleEndian<std::uint16_t>();
}

std::uint32_t ArchiveReader::ReadU32(std::string_view field)
{
    BeginField(field);
    return ReadLittleEndian<std::uint32_t>();
}

bool ArchiveReader::ReadBool(std::string_view field)
{
    return ReadU8(field) != 0;
}

// A length below 255 is one byte; then 255 and a u16 below 65535; then 255,
// 65535 and a u32. The u16 65534 right after the first 255 marks a UTF-16
// string, whose own length prefix follows.
std::uint64_t ArchiveReader::ReadLengthPrefix(bool& isUtf16)
{
    isUtf16 = false;
    std::uint8_t shortLength = ReadLittleEndian<std::uint8_t>();
    if (shortLength < 0xFF)
        return shortLength;
    std::uint16_t mediumLength = ReadLittleEndian<std::uint16_t>();
    if (mediumLength == kUtf16Marker) {
        isUtf16 = true;
        shortLength = ReadLittleEndian<std::uint8_t>();
        if (shortLength < 0xFF)
            return shortLength;
        mediumLength = ReadLittleEndian<std::uint16_t>();
    }
    if (mediumLength < 0xFFFF)
        return mediumLength;
    return ReadLittleEndian<std::uint32_t>();
}

bool ArchiveReader::ReadStringBody(std::string& bytes, std::u16string& units, bool& isUtf16)
{
    std::uint64_t length = ReadLengthPrefix(isUtf16);
    if (Failed())
        return false;
    if (!isUtf16) {
        if (!Need(length))
            return false;
        bytes.resize(length);
        return ReadRaw(bytes.data(), length);
    }
    if (!Need(length * 2))
        return false;
    std::string raw(length * 2, '\0');
    if (!ReadRaw(raw.data(), raw.size()))
        return false;
    units.resize(length);
    for (size_t i = 0; i < length; ++i) {
        auto low = static_cast<std::uint8_t>(raw[2 * i]);
        auto high = static_cast<std::uint8_t>(raw[2 * i + 1]);
        units[i] = static_cast<char16_t>(low | (high << 8));
    }
    return true;
}

std::string ArchiveReader::ReadString(std::string_view field)
{
    BeginField(field);
    std::string bytes;
    std::u16string units;
    bool isUtf16 = false;
    if (!ReadStringBody(bytes, units, isUtf16))
        return {};
    return isUtf16 ? Utf16ToSystemCodePage(units) : bytes;
}

std::u16string ArchiveReader::ReadUtf16String(std::string_view field)
{
    BeginField(field);
    std::string bytes;
    std::u16string units;
    bool isUtf16 = false;
    if (!ReadStringBody(bytes, units, isUtf16))
        return {};
    return isUtf16 ? units : SystemCodePageToUtf16(bytes);
}

std::uint32_t ArchiveReader::ReadCount(std::string_view field)
{
    BeginField(field);
    std::uint32_t count = ReadLittleEndian<std::uint16_t>();
    if (count == 0xFFFF)
        count = ReadLittleEndian<std::uint32_t>();
    if (Failed())
        return 0;
    if (count > BytesLeft()) {
        Fail(ArchiveDamage::Kind::EndOfData, Error::HandleEof, field,
            "a count of " + std::to_string(count) + " with " + std::to_string(BytesLeft()) + " bytes left");
        return 0;
    }
    return count;
}

std::vector<std::uint8_t> ArchiveReader::ReadBytes(std::uint32_t size, std::string_view field)
{
    BeginField(field);
    if (!Need(size))
        return {};
    std::vector<std::uint8_t> bytes(size);
    if (!ReadRaw(bytes.data(), size))
        return {};
    return bytes;
}
bool ArchiveReader::ReadObjectTag(const RuntimeClass& expected)
{
    BeginField("record tag");
    std::uint16_t tag = ReadLittleEndian<std::uint16_t>();
    if (Failed())
        return false;

    if (tag == kNewClassTag) {
        std::uint16_t schema = ReadU16("class schema");
        std::uint16_t nameLength = ReadU16("class name length");
        if (!Need(nameLength))
            return false;
        BeginField("class name");
        std::string name(nameLength, '\0');
        if (!ReadRaw(name.data(), nameLength))
            return false;
        if (name != expected.name) {
            Fail(ArchiveDamage::Kind::UnexpectedClass, Error::InvalidData, "class name",
                "class \"" + name + "\" where a " + std::string(expected.name) + " belongs");
            return false;
        }
        if (schema != expected.schema) {
            Fail(ArchiveDamage::Kind::BadSchema, Error::InvalidData, "class schema",
                std::string(expected.name) + " with schema " + std::to_string(schema) + " instead of " + std::to_string(expected.schema));
            return false;
        }
        m_loadMap.push_back(&expected);
        m_loadMap.push_back(nullptr);
        return true;
    }

    std::uint32_t classNumber = 0;
    if (tag & kClassTag) {
        classNumber = tag & ~kClassTag;
    } else if (tag == kBigObjectTag) {
        std::uint32_t bigTag = ReadLittleEndian<std::uint32_t>();
        if (Failed())
            return false;
        if (!(bigTag & kBigClassTag)) {
            Fail(ArchiveDamage::Kind::BadTag, Error::InvalidData, m_field,
                "a second reference to object " + std::to_string(bigTag) + "; a record can be stored only once");
            return false;
        }
        classNumber = bigTag & ~kBigClassTag;
    } else {
        Fail(ArchiveDamage::Kind::BadTag, Error::InvalidData, m_field,
            tag == 0 ? std::string("an empty record") : "a second reference to object " + std::to_string(tag) + "; a record can be stored only once");
        return false;
    }
    if (!ResolveClass(classNumber, expected))
        return false;
    m_loadMap.push_back(nullptr);
    return true;
}

bool ArchiveReader::ResolveClass(std::uint32_t mapNumber, const RuntimeClass& expected)
{
    if (mapNumber >= m_loadMap.size() || !m_loadMap[mapNumber]) {
        Fail(ArchiveDamage::Kind::BadTag, Error::InvalidData, m_field,
            "a reference to class number " + std::to_string(mapNumber) + ", which the file has not defined");
        return false;
    }
    const RuntimeClass& found = *m_loadMap[mapNumber];
    if (found.name != expected.name) {
        Fail(ArchiveDamage::Kind::UnexpectedClass, Error::InvalidData, m_field,
            "class \"" + std::string(found.name) + "\" where a " + std::string(expected.name) + " belongs");
        return false;
    }
    return true;
}

void ArchiveReader::ExpectEnd()
{
    if (Failed() || BytesLeft() == 0)
        return;
    BeginField({});
    std::uint64_t left = BytesLeft();
    Fail(ArchiveDamage::Kind::TrailingData, Error::InvalidData, {},
        std::to_string(left) + (left == 1 ? " byte" : " bytes") + " after the last field");
}
