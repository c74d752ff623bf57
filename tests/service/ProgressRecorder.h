#pragma once

#include "transport/Progress.h"

#include <optional>
#include <string>
#include <vector>

// A progress callback that records every report and every poll, and
// cancels once told to.
struct ProgressRecorder {
    struct Report {
        ErrorCode code;
        ProgressStep step;
        std::string detail;
        std::uint16_t done;
        std::uint16_t total;
        bool hadResponse;
    };

    std::vector<Report> reports;
    int polls { 0 };
    // Cancel at the report of this step (or at any poll, when polls
    // reach cancelAfterPolls).
    std::optional<ProgressStep> cancelAtStep;
    int cancelAfterPolls { -1 };

    static bool Callback(void* context, const ProgressRecord* record, int)
    {
        auto& self = *static_cast<ProgressRecorder*>(context);
        if (!record) {
            ++self.polls;
            return !(self.cancelAfterPolls >= 0 && self.polls > self.cancelAfterPolls);
        }
        self.reports.push_back({ record->code, record->step, record->detail ? record->detail : "", record->done, record->total,
            record->response != nullptr });
        return !(self.cancelAtStep && *self.cancelAtStep == record->step);
    }

    std::vector<ProgressStep> Steps() const
    {
        std::vector<ProgressStep> steps;
        for (auto& report : reports)
            steps.push_back(report.step);
        return steps;
    }
};
