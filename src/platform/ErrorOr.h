#pragma once

#include "platform/ErrorCode.h"

#include <cassert>
#include <type_traits>
#include <utility>
#include <variant>

// A value or the error code that explains why there is none. Used at layer
// boundaries instead of exceptions.
template<typename T>
class [[nodiscard]] ErrorOr {
public:
    ErrorOr(T value)
        : m_storage(std::move(value))
    {
    }

    // Arithmetic values would convert silently from a code, so they must use
    // FromError() instead.
    ErrorOr(ErrorCode error) requires(!std::is_arithmetic_v<T>)
        : m_storage(error)
    {
        assert(error != Error::Success);
    }

    static ErrorOr FromError(ErrorCode error)
    {
        assert(error != Error::Success);
        return ErrorOr(std::in_place_index<1>, error);
    }

    bool IsError() const { return m_storage.index() == 1; }
    explicit operator bool() const { return !IsError(); }

    ErrorCode GetError() const { return IsError() ? std::get<1>(m_storage) : Error::Success; }

    T& Value() { return std::get<0>(m_storage); }
    const T& Value() const { return std::get<0>(m_storage); }
    T ReleaseValue() { return std::move(std::get<0>(m_storage)); }

    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    T& operator*() { return Value(); }
    const T& operator*() const { return Value(); }

private:
    ErrorOr(std::in_place_index_t<1>, ErrorCode error)
        : m_storage(std::in_place_index<1>, error)
    {
    }

    std::variant<T, ErrorCode> m_storage;
};
