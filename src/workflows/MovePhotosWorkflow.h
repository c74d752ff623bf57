#pragma once

#include "model/PhotoLocation.h"

#include <optional>
#include <vector>

// CMovePhotosDlg: the location to move the shown photos from and the one to
// move them to, chosen among the internal storage and the storage cards.
class MovePhotosWorkflow {
public:
    // The internal storage followed by every storage card.
    explicit MovePhotosWorkflow(std::vector<PhotoLocation> locations)
        : m_locations(std::move(locations))
    {
    }

    const std::vector<PhotoLocation>& GetLocations() const { return m_locations; }
    const std::optional<PhotoLocation>& GetSource() const { return m_source; }
    const std::optional<PhotoLocation>& GetDestination() const { return m_destination; }
    void SetChoice(PhotoLocation source, PhotoLocation destination)
    {
        m_source = std::move(source);
        m_destination = std::move(destination);
    }

private:
    std::vector<PhotoLocation> m_locations;
    std::optional<PhotoLocation> m_source;
    std::optional<PhotoLocation> m_destination;
};
