#pragma once

// CConfirmDeleteBlogDlg ("Confirm Delete"): Yes (OK) removes the blog from
// the device, with its photos when the box is ticked.
class ConfirmDeleteBlogWorkflow {
public:
    bool GetDeletePhotos() const { return m_deletePhotos; }
    void SetDeletePhotos(bool deletePhotos) { m_deletePhotos = deletePhotos; }

private:
    bool m_deletePhotos { false };
};
