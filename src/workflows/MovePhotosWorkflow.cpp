#include "workflows/MovePhotosWorkflow.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"

bool MovePhotosWorkflow::CheckStorageCards()
{
    if (!DeviceFolders::Current().StorageCards().empty())
        return true;
    ShowStringMessage(kNoStorageCardMessage, MessageIcon::Warning);
    return false;
}

MovePhotosWorkflow::MovePhotosWorkflow(CWinBlogStorage& store)
    : m_store(store)
{
    m_locations.push_back({ Utf8ToUtf16(LoadString(kInternalName)), PhotoLocation::InternalStorage() });
    // A card is shown by its folder's own name.
    for (std::string& card : DeviceFolders::Current().StorageCards())
        m_locations.push_back({ Utf8ToUtf16(FileNameOf(card)), PhotoLocation::StorageCard(std::move(card)) });
}

DialogOutcome MovePhotosWorkflow::Ok(std::optional<size_t> source, std::optional<size_t> destination)
{
    if (!source || *source >= m_locations.size())
        return DialogOutcome::Stay(kSourceField);
    if (!destination || *destination >= m_locations.size())
        return DialogOutcome::Stay(kDestinationField);
    if (*source == *destination) {
        ShowStringMessage(kSameLocationMessage, MessageIcon::Warning);
        return DialogOutcome::Stay(kDestinationField);
    }
    m_source = source;
    m_destination = destination;
    return DialogOutcome::Close(DialogResult::Ok);
}

std::optional<StringId> MovePhotosWorkflow::MessageForMoveFailure(ErrorCode code)
{
    switch (code) {
    case Error::AccessDenied:   // 5: EACCES, EPERM
    case Error::WriteProtected: // 19: EROFS
    case 108:                   // the drive is locked
        return kWriteProtectedMessage;
    case Error::NotEnoughMemory: // 8
    case Error::HandleDiskFull:  // 39
    case Error::DiskFull:        // 112: ENOSPC, EDQUOT
        return kNoSpaceMessage;
    default:
        return std::nullopt;
    }
}

ErrorCode MovePhotosWorkflow::MoveChosenPhotos()
{
    if (!m_source || !m_destination)
        return Error::InvalidParameter;
    auto progress = UserInteraction::Current().OpenProgressWindow(2, true);
    progress->SetLine(0, LoadString(kMovingText));
    ErrorCode result = m_store.MoveShownPhotos(*progress, m_locations[*m_source].location, m_locations[*m_destination].location);
    progress.reset();
    if (auto message = MessageForMoveFailure(result))
        ShowStringMessage(*message, MessageIcon::Error);
    return result;
}
