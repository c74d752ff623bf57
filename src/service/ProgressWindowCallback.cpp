#include "service/ProgressWindowCallback.h"

#include "app/StringTable.h"

bool ProgressWindowCallback::Answer(void* context, const ProgressRecord* record, int)
{
    auto* self = static_cast<ProgressWindowCallback*>(context);
    ProgressWindow* window = self ? self->m_window : nullptr;
    if (!window)
        return true;
    window->Step();
    if (!self->m_title.empty())
        window->SetLine(0, self->m_title);
    if (record) {
        std::string line(LoadString(ProgressStepStringId(record->step)));
        if (record->done != 0)
            line += "    " + std::to_string(record->done) + "/" + std::to_string(record->total);
        window->SetLine(1, line);
        if (record->detail)
            window->SetLine(2, record->detail);
    }
    return !window->IsCancelled();
}
