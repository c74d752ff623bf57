#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Builds archive file bytes by hand, field by field, the way the file format
// lays them out: little-endian numbers, length-prefixed strings, counts and
// object tags. Tests use it to write files independently of the program's
// own writer.
class ByteBuilder {
public:
    ByteBuilder& U8(std::uint8_t value)
    {
        m_bytes += static_cast<char>(value);
        return *this;
    }
    ByteBuilder& U16(std::uint16_t value) { return U8(value & 0xFF).U8(value >> 8); }
    ByteBuilder& U32(std::uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
    ByteBuilder& Bool(bool value) { return U8(value ? 1 : 0); }
    ByteBuilder& Raw(std::string_view bytes)
    {
        m_bytes += bytes;
        return *this;
    }

    // 1 byte below 255; 255 and a u16 below 65534; else 255, 65535, u32.
    ByteBuilder& Length(std::uint32_t length)
    {
        if (length < 255)
            return U8(static_cast<std::uint8_t>(length));
        U8(255);
        if (length < 65534)
            return U16(static_cast<std::uint16_t>(length));
        return U16(65535).U32(length);
    }
    ByteBuilder& Str(std::string_view text) { return Length(static_cast<std::uint32_t>(text.size())).Raw(text); }
    ByteBuilder& Utf16(std::u16string_view text)
    {
        U8(255).U16(65534).Length(static_cast<std::uint32_t>(text.size()));
        for (char16_t unit : text)
            U16(unit);
        return *this;
    }
    ByteBuilder& Count(std::uint32_t count) { return count < 65535 ? U16(static_cast<std::uint16_t>(count)) : U16(65535).U32(count); }

    // The tag of the first object of a class: 65535, schema, name length, name.
    ByteBuilder& NewClass(std::string_view name, std::uint16_t schema = 0)
    {
        return U16(65535).U16(schema).U16(static_cast<std::uint16_t>(name.size())).Raw(name);
    }
    // The tag of a further object of the class with this map number.
    ByteBuilder& ClassRef(std::uint32_t mapNumber)
    {
        if (mapNumber < 32767)
            return U16(static_cast<std::uint16_t>(32768 + mapNumber));
        return U16(32767).U32(0x80000000u + mapNumber);
    }

    size_t Size() const { return m_bytes.size(); }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};
