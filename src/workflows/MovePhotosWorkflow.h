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

    // A place of the two lists: its shown name and what it stands for.
    struct Location {
        std::u16string name;
        PhotoLocation location;
    };

    // The command's first step: without a storage card string 212 says so
    // and the dialog is not opened.
    static bool CheckStorageCards();

    explicit MovePhotosWorkflow(CWinBlogStorage& store);

    // "Internal", then the storage cards in the order of the folder.
    const std::vector<Location>& Locations() const { return m_locations; }
    // The lists propose moving from the internal storage to the first card.
    size_t InitialSource() const { return 0; }
    size_t InitialDestination() const { return m_locations.size() >= 2 ? 1 : 0; }

    // OK: the same place twice shows string 213 and the dialog stays.
    DialogOutcome Ok(std::optional<size_t> source, std::optional<size_t> destination);

    // After OK: moves the photos under a progress window ("Moving
    // Photos..."). A write-protected or full destination is told with string
    // 218 or 219; a cancel and other failures say nothing more. The store
    // is saved by the move.
    ErrorCode MoveChosenPhotos();

    // The message that tells a failure of the move, if any.
    static std::optional<StringId> MessageForMoveFailure(ErrorCode code);

private:
    CWinBlogStorage& m_store;
    std::vector<Location> m_locations;
    std::optional<size_t> m_source;
    std::optional<size_t> m_destination;
};
