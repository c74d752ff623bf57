#include "transport/StreamFactories.h"

#include "transport/FileLargeStream.h"
#include "transport/HeapSmallStream.h"

#include <new>

std::unique_ptr<SmallStream> CreateMemoryStream()
{
    return std::unique_ptr<SmallStream>(new (std::nothrow) HeapSmallStream);
}

std::unique_ptr<LargeStream> CreateTempStream()
{
    return FileLargeStream::CreateTemporary();
}
