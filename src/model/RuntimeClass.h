#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class SerializableObject;

// What an archive needs to know about a class to write its tag and to make
// an object of it when the tag is read back: the name written into files,
// the schema number and a factory for a default object.
struct RuntimeClass {
    std::string_view name;
    std::uint16_t schema { 0 };
    std::unique_ptr<SerializableObject> (*create)() { nullptr };
};
