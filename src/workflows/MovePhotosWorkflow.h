#pragma once

#include "workflows/DialogOutcome.h"

#include "app/StringTable.h"
#include "model/PhotoLocation.h"
#include "platform/ErrorCode.h"

#include <optional>
#include <string>
#include <vector>

class CWinBlogStorage;

// "Move Photos" (CMovePhotosDlg): moves the photos of the entries the view
// shows between the internal storage and a storage card.
class MovePhotosWorkflow {
public:
    enum Field : int {
        kSourceField,
        kDestinationField,
    };
    static constexpr std::string_view kTitle = "Move Photos";
    static constexpr std::string_view kSourcePrompt = "Move currently viewed photos stored on:";
    static constexpr std::string_view kDestinationPrompt = "To:";
    static constexpr StringId kInternalName = 211;
    static constexpr StringId kNoStorageCardMessage = 212;
    static constexpr StringId kSameLocationMessage = 213;
    static constexpr StringId kWriteProtectedMessage = 218;
    static constexpr StringId kNoSpaceMessage = 219;
    static constexpr StringId kMovingText = 220;

    // The places of the device: the internal storage, then the storage
    // cards in the order of the folder. None after string 212 when there is
    // no card: the dialog is then not opened.
    static std::optional<std::vector<PhotoLocation>> DeviceLocations();

    // The places both lists offer, the internal storage first.
    explicit MovePhotosWorkflow(std::vector<PhotoLocation> locations);

    const std::vector<PhotoLocation>& GetLocations() const { return m_locations; }
    // What the lists show: "Internal", and each card by its folder's name.
    std::vector<std::u16string> LocationNames() const;
    // The lists propose moving from the internal storage to the first card.
    size_t InitialSource() const { return 0; }
    size_t InitialDestination() const { return m_locations.size() >= 2 ? 1 : 0; }

    // OK: the same place twice shows string 213 and the dialog stays.
    DialogOutcome Ok(std::optional<size_t> source, std::optional<size_t> destination);
    const std::optional<PhotoLocation>& GetSource() const { return m_source; }
    const std::optional<PhotoLocation>& GetDestination() const { return m_destination; }
    void SetChoice(PhotoLocation source, PhotoLocation destination);

    // What the opener does after OK: moves the photos under a progress
    // window ("Moving Photos..."). A write-protected or full destination is
    // told with string 218 or 219; a cancel and other failures say nothing
    // more. The move saves the store.
    ErrorCode MoveChosenPhotos(CWinBlogStorage& store) const;

    // The message that tells a failure of the move, if any.
    static std::optional<StringId> MessageForMoveFailure(ErrorCode code);

private:
    std::vector<PhotoLocation> m_locations;
    std::optional<PhotoLocation> m_source;
    std::optional<PhotoLocation> m_destination;
};
