#pragma once

#include "workflows/DialogOutcome.h"

#include <string_view>

class CWinBlogStorage;

// "Delete Photos" (CPurgePhotosDlg): asks whether to delete the photo files
// of the entries the view shows; the entries keep their thumbnails. "Yes"
// closes with OK, "No" with Cancel; then the opener purges.
class PurgePhotosWorkflow {
public:
    static constexpr std::string_view kTitle = "Delete Photos";
    static constexpr std::string_view kQuestion = "Delete the photos for all blog entries shown? The entries will remain with thumbnails only.";

    DialogOutcome Yes() const { return DialogOutcome::Close(DialogResults::Ok); }

    // What the opener does after Yes: the shown entries' photos go (those
    // never published keep theirs, having no other copy) and the store is
    // saved.
    static void PurgeShownPhotos(CWinBlogStorage& store);
};
