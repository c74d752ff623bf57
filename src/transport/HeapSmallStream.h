#pragma once

#include "transport/SmallStream.h"

// A memory stream whose block comes from the heap, allocated at the first
// write and grown in steps of 4096 bytes.
class HeapSmallStream final : public SmallStream {
public:
    static constexpr std::uint32_t kGrowthStep = 4096;

    HeapSmallStream() = default;
    ~HeapSmallStream() override;
    HeapSmallStream(const HeapSmallStream&) = delete;
    HeapSmallStream& operator=(const HeapSmallStream&) = delete;

    // The new capacity is the larger of `needed` and the current capacity,
    // raised to a multiple of the step. False when the heap refuses.
    bool Grow(std::uint32_t needed) override;
};
