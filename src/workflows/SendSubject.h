#pragma once

#include <cstdint>

// What a photo e-mail or a remote post is about: an entry (its category and
// server id) or a blog as filtered by its category (entry id 0).
struct SendSubject {
    std::uint32_t categoryId { 0 };
    std::uint32_t entryId { 0 };

    bool IsBlog() const { return entryId == 0; }
};
