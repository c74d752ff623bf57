#include "workflows/PurgePhotosWorkflow.h"

#include "model/CWinBlogStorage.h"

void PurgePhotosWorkflow::PurgeShownPhotos(CWinBlogStorage& store)
{
    // A photo that cannot be deleted keeps its path and is tried again at
    // the next purge; the others go all the same.
    (void)store.PurgeShownPhotos();
    // The store reports a failed save itself (message 6002).
    (void)store.Save();
}
