#pragma once

#include "platform/Clock.h"
#include "platform/FolderTree.h"

#include <string>

// One photo the photo picker found on the device.
struct CImageItem {
    std::string path;
    // The file's creation time on the program clock.
    ProgramTime time { 0 };
    // The same as exactly as the file system records it: the picker's order
    // (two photos of one second keep the order in which they were taken).
    FileTime created;
};
