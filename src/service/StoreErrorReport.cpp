#include "service/StoreErrorReport.h"

#include "app/StringTable.h"
#include "platform/UserInteraction.h"

#include <string>

namespace {

constexpr StringId kUnknownErrorMessage = 7999;

}

void ShowStoreError(BlogStorage* store, ErrorCode code, std::string_view text, bool addFullStop)
{
    std::string message;
    if (text.empty()) {
        message = FormatText(LoadString(kUnknownErrorMessage), { static_cast<unsigned>(code) });
    } else {
        message = text;
        if (addFullStop && !message.ends_with('.'))
            message += '.';
    }
    if (store)
        store->ShowWarning("%s", { message });
    else
        UserInteraction::Current().ShowMessage(message, MessageIcon::Warning);
}
