#pragma once

// CPurgePhotosDlg ("Delete Photos"): Yes deletes the photo files of all shown
// entries, keeping their thumbnails.
class PurgePhotosWorkflow { };
