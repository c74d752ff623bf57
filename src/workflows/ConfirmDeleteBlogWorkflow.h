#pragma once

#include <string_view>

// CConfirmDeleteBlogDlg ("Confirm Delete"): Yes (OK) removes the blog from
// the device, with its photos when the box is ticked.
class ConfirmDeleteBlogWorkflow {
public:
    static constexpr std::string_view kTitle = "Confirm Delete";
    static constexpr std::string_view kQuestion
        = "The blog will be deleted from your device but will remain on the web.\nDo you wish to continue?";
    static constexpr std::string_view kDeletePhotosBox = "Delete photos on device";

    bool GetDeletePhotos() const { return m_deletePhotos; }
    void SetDeletePhotos(bool deletePhotos) { m_deletePhotos = deletePhotos; }

private:
    bool m_deletePhotos { false };
};
