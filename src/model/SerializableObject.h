#pragma once

#include "model/RuntimeClass.h"

class Archive;

// The base of everything the model keeps in archive files. The class's
// run-time identity is what a tagged object carries in the file, so that
// reading can make an object of the right class.
class SerializableObject {
public:
    virtual ~SerializableObject() = default;

    virtual const RuntimeClass& GetRuntimeClass() const = 0;
    // Writes the object's fields to a storing archive, or replaces them with
    // those read from a loading one. A loading archive never throws; after
    // a failure it hands out zeros and empty strings, and the caller drops
    // the object.
    virtual void Serialize(Archive& archive) = 0;

protected:
    SerializableObject() = default;
    SerializableObject(const SerializableObject&) = default;
    SerializableObject& operator=(const SerializableObject&) = default;
};
