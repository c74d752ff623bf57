#include "model/BlogAlbum.h"

#include "model/BlogIds.h"
#include "platform/CodePage.h"

bool BlogAlbum::HasServiceId() const
{
    return GetId() < BlogIds::FirstLocalCategory;
}

std::u16string BlogAlbum::GetNameText() const
{
    return Utf8ToUtf16(GetName());
}

void BlogAlbum::SetNameText(std::u16string_view name)
{
    SetName(Utf16ToUtf8(name));
}
