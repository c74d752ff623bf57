#pragma once

#include "app/StringFormat.h"
#include "app/StringTable.h"
#include "platform/UserInteraction.h"

#include <string>

// A string of the table formatted with its arguments.
std::string FormatString(StringId id, std::initializer_list<FormatArgument> arguments = {});

// Shows a string of the table in a modal box.
void ShowStringMessage(StringId id, MessageIcon icon, std::initializer_list<FormatArgument> arguments = {});

// Asks a string of the table as a Yes/No question; true means Yes.
bool AskStringQuestion(StringId id, DefaultButton defaultButton, std::initializer_list<FormatArgument> arguments = {});
