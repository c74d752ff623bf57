#include "model/Archive.h"

#include "model/SerializableObject.h"

#include <utility>

// A field that could not be read keeps the value it had (the default of a
// new record), rather than a zero that was never in the file.
template<typename T, typename U>
static void Assign(T& field, const ArchiveReader& reader, U&& value)
{
    if (!reader.Failed())
        field = std::forward<U>(value);
}

void Archive::Exchange(std::string_view field, std::uint8_t& value)
{
    if (IsStoring())
        m_writer->WriteU8(value);
    else
        Assign(value, *m_reader, m_reader->ReadU8(field));
}

void Archive::Exchange(std::string_view field, std::uint16_t& value)
{
    if (IsStoring())
        m_writer->WriteU16(value);
    else
        Assign(value, *m_reader, m_reader->ReadU16(field));
}

void Archive::Exchange(std::string_view field, std::uint32_t& value)
{
    if (IsStoring())
        m_writer->WriteU32(value);
    else
        Assign(value, *m_reader, m_reader->ReadU32(field));
}

void Archive::Exchange(std::string_view field, bool& value)
{
    if (IsStoring())
        m_writer->WriteBool(value);
    else
        Assign(value, *m_reader, m_reader->ReadBool(field));
}

void Archive::Exchange(std::string_view field, std::string& text)
{
    if (IsStoring())
        m_writer->WriteString(text);
    else
        Assign(text, *m_reader, m_reader->ReadString(field));
}

void Archive::ExchangeBlock(std::string_view sizeField, std::string_view field, std::vector<std::uint8_t>& bytes)
{
    if (IsStoring()) {
        m_writer->WriteU32(static_cast<std::uint32_t>(bytes.size()));
        m_writer->WriteBytes(bytes);
        return;
    }
    std::uint32_t size = m_reader->ReadU32(sizeField);
    Assign(bytes, *m_reader, size ? m_reader->ReadBytes(size, field) : std::vector<std::uint8_t>());
}

void Archive::ExchangeTextList(std::string_view field, std::vector<std::u16string>& texts)
{
    if (IsStoring()) {
        m_writer->WriteCount(static_cast<std::uint32_t>(texts.size()));
        for (auto& text : texts)
            m_writer->WriteUtf16String(text);
        return;
    }
    if (Failed())
        return;
    texts.clear();
    std::uint32_t count = m_reader->ReadCount(field);
    for (std::uint32_t i = 0; i < count; ++i) {
        ArchiveReader::RecordScope scope(*m_reader, field, i, count);
        std::u16string text = m_reader->ReadUtf16String("text");
        if (m_reader->Failed())
            return;
        texts.push_back(std::move(text));
    }
}

void Archive::WriteObject(SerializableObject& object)
{
    m_writer->WriteObjectTag(object.GetRuntimeClass());
    object.Serialize(*this);
}

std::unique_ptr<SerializableObject> Archive::ReadObject(const RuntimeClass& expected)
{
    if (!m_reader->ReadObjectTag(expected))
        return nullptr;
    auto object = expected.create();
    object->Serialize(*this);
    if (m_reader->Failed())
        return nullptr;
    return object;
}
