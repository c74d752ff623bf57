#include "workflows/AboutWorkflow.h"

#include "app/StringFormat.h"

std::string AboutWorkflow::VersionLine() const
{
    return FormatText("Vellumbrix Vers %s", { m_version });
}
