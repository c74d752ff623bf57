#include "workflows/MovePhotosWorkflow.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"

std::optional<std::vector<PhotoLocation>> MovePhotosWorkflow::DeviceLocations()
{
    std::vector<std::string> cards = DeviceFolders::Current().StorageCards();
    if (cards.empty()) {
        ShowStringMessage(kNoStorageCardMessage, MessageIcon::Warning);
        return std::nullopt;
    }
    std::vector<PhotoLocation> locations { PhotoLocation::InternalStorage() };
    for (std::string& card : cards)
        locations.push_back(PhotoLocation::StorageCard(std::move(card)));
    return locations;
}

MovePhotosWorkflow::MovePhotosWorkflow(std::vector<PhotoLocation> locations)
    : m_locations(std::move(locations))
{
}

std::vector<std::u16string> MovePhotosWorkflow::LocationNames() const
{
    std::vector<std::u16string> names;
    for (const PhotoLocation& location : m_locations) {
        // A card is shown by its folder's own name.
        if (location.IsInternalStorage())
            names.push_back(Utf8ToUtf16(LoadString(kInternalName)));
        else
            names.push_back(Utf8ToUtf16(FileNameOf(location.GetName())));
    }
    return names;
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
    SetChoice(m_locations[*source], m_locations[*destination]);
    return DialogOutcome::Close(DialogResults::Ok);
}

void MovePhotosWorkflow::SetChoice(PhotoLocation source, PhotoLocation destination)
{
    m_source = std::move(source);
    m_destination = std::move(destination);
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

ErrorCode MovePhotosWorkflow::MoveChosenPhotos(CWinBlogStorage& store) const
{
    if (!m_source || !m_destination)
        return Error::InvalidParameter;
    auto progress = UserInteraction::Current().OpenProgressWindow(2, true);
    progress->SetLine(0, LoadString(kMovingText));
    ErrorCode result = store.MoveShownPhotos(*progress, *m_source, *m_destination);
    progress.reset();
    if (auto message = MessageForMoveFailure(result))
        ShowStringMessage(*message, MessageIcon::Error);
    return result;
}
