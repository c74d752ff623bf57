#include "app/ProgramVersion.h"

std::string_view ProgramVersionText()
{
    return VBX_VERSION_TEXT;
}

std::string_view ProgramFileName()
{
    return "vellumbrix";
}
