#pragma once

#include "app/StringTable.h"
#include "platform/ErrorCode.h"

#include <string>

// The message id that the error table gives for a code: the first row whose
// code matches; 7999 ("An unknown error occurred (%d).") when none does. An
// id of 0 means the code has no text of its own.
StringId MessageIdForError(ErrorCode code);

// The text the user sees for a code; empty for codes whose message id is 0
// (the server's own text is shown instead).
std::string ErrorText(ErrorCode code);

// Shows the error text of a code in a warning box.
void ShowError(ErrorCode code);
