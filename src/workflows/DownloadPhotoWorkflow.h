#pragma once

#include <cstdint>

// CDownloadPhotoDlg: the size at which to fetch one entry's photo, "Now"
// (OK) or at the next sync (DialogResults::DownloadNextSync).
class DownloadPhotoWorkflow {
public:
    // The photo size code the dialog starts at (2 to 7).
    explicit DownloadPhotoWorkflow(std::uint16_t initialSize)
        : m_size(initialSize)
    {
    }

    std::uint16_t GetSize() const { return m_size; }
    void SetSize(std::uint16_t size) { m_size = size; }

private:
    std::uint16_t m_size;
};
