#include "app/Messages.h"

std::string FormatString(StringId id, std::initializer_list<FormatArgument> arguments)
{
    return FormatText(LoadString(id), arguments);
}

void ShowStringMessage(StringId id, MessageIcon icon, std::initializer_list<FormatArgument> arguments)
{
    UserInteraction::Current().ShowMessage(FormatString(id, arguments), icon);
}

bool AskStringQuestion(StringId id, DefaultButton defaultButton, std::initializer_list<FormatArgument> arguments)
{
    return UserInteraction::Current().AskYesNo(FormatString(id, arguments), MessageIcon::Question, defaultButton);
}
