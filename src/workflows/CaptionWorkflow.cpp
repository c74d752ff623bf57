#include "workflows/CaptionWorkflow.h"

#include "model/BlogEntry.h"

std::u16string CaptionWorkflow::Caption() const
{
    return m_entry.GetCaptionText();
}
