#include "workflows/PurgePhotosWorkflow.h"

#include "model/CWinBlogStorage.h"

DialogOutcome PurgePhotosWorkflow::Yes()
{
    // A photo that cannot be deleted keeps its path and is tried again at
    // the next purge; the others go all the same.
    (void)m_store.PurgeShownPhotos();
    // The store reports a failed save itself (message 6002).
    (void)m_store.Save();
    return DialogOutcome::Close(DialogResult::Ok);
}
