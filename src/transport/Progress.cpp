#include "transport/Progress.h"

StringId ProgressStepStringId(ProgressStep step)
{
    auto number = static_cast<std::uint16_t>(step);
    if (number <= 9)
        return 145 + number;
    if (number <= 15)
        return 600 + (number - 10);
    return 0;
}

bool PollProgress(ProgressCallback callback, void* context)
{
    return !callback || callback(context, nullptr, -1);
}
