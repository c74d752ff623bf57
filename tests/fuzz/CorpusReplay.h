#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// What a fuzz target makes of one input, as one line.
using OutcomeOf = std::function<std::string(std::span<const std::uint8_t> input)>;

// Replays the kept inputs of one fuzz target: every file of `folder` goes
// through `outcomeOf`, and its outcome must be the one recorded for it in
// `outcomesFile` (one line per input: its name, a tab, its outcome). An
// input without a recorded outcome, or a recorded one whose file is gone,
// fails the test.
//
// With VBX_RECORD_OUTCOMES=1 in the environment the outcomes are written
// instead, after a fuzz run has added inputs (scripts/fuzz.sh says how);
// what changed is then for a person to read before it is kept.
void ReplayCorpus(const std::string& folder, const std::string& outcomesFile, const OutcomeOf& outcomeOf);
