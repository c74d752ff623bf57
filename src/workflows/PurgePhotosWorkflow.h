#pragma once

#include "workflows/DialogOutcome.h"

#include <string_view>

class CWinBlogStorage;

// "Delete Photos" (CPurgePhotosDlg): deletes the photo files of the entries
// the view shows; the entries keep their thumbnails.
class PurgePhotosWorkflow {
public:
    static constexpr std::string_view kTitle = "Delete Photos";
    static constexpr std::string_view kQuestion = "Delete the photos for all blog entries shown? The entries will remain with thumbnails only.";

    explicit PurgePhotosWorkflow(CWinBlogStorage& store)
        : m_store(store)
    {
    }

    // "Yes": the shown entries' photos go (those never published keep
    // theirs, having no other copy), the store is saved, and the dialog
    // closes with OK. "No" is Cancel.
    DialogOutcome Yes();

private:
    CWinBlogStorage& m_store;
};
