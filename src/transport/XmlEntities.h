#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The entities of the service's XML dialect, in the order in which they are
// replaced. The order is part of the behaviour (see UnescapeEntities).
struct XmlEntity {
    std::string_view entity;
    char character;
};
std::span<const XmlEntity> XmlEntityTable();

// The entity that stands for a character, or an empty view.
std::string_view EntityForCharacter(char character);

// Replaces entities in the NUL-terminated text in place (the text only
// shrinks; `size` bounds the buffer). One pass per entity of the table, in
// table order, each over the whole text; within a pass the search goes on
// after the character just produced. So "&amp;amp;" becomes "&amp;" but
// "&amp;lt;" becomes "<": the ampersand made by the first pass starts an
// entity for a later one. The service relies on exactly this.
void UnescapeEntities(char* text, std::uint32_t size);
