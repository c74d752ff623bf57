#include "model/BlogEntry.h"

#include "model/BlogIds.h"
#include "platform/CodePage.h"

bool BlogEntry::IsHidden() const
{
    return GetPhotoState() == kPhotoStateGone;
}

bool BlogEntry::IsNewEntry() const
{
    return GetStatusBits() & kStatusNewEntry;
}

bool BlogEntry::HasNewComments() const
{
    return GetStatusBits() & kStatusNewComments;
}

static bool ChangeStatusBit(BlogEntry& entry, std::uint8_t bit, bool set)
{
    std::uint8_t bits = entry.GetStatusBits();
    std::uint8_t changed = set ? (bits | bit) : (bits & ~bit);
    if (changed == bits)
        return false;
    entry.SetStatusBits(changed);
    return true;
}

bool BlogEntry::SetNewEntry(bool isNew)
{
    return ChangeStatusBit(*this, kStatusNewEntry, isNew);
}

bool BlogEntry::SetNewComments(bool hasNew)
{
    return ChangeStatusBit(*this, kStatusNewComments, hasNew);
}

bool BlogEntry::IsOnTheWeb() const
{
    return GetServerId() != 0;
}

bool BlogEntry::HasServiceCategory() const
{
    return GetCategoryId() < BlogIds::FirstLocalCategory;
}

std::u16string BlogEntry::GetTitleText() const
{
    return Utf8ToUtf16(GetTitle());
}

void BlogEntry::SetTitleText(std::u16string_view title)
{
    SetTitle(Utf16ToUtf8(title));
}

std::u16string BlogEntry::GetCaptionText() const
{
    return Utf8ToUtf16(GetCaption());
}

void BlogEntry::SetCaptionText(std::u16string_view caption)
{
    SetCaption(Utf16ToUtf8(caption));
}

std::u16string BlogEntry::GetAuthorNameText() const
{
    return Utf8ToUtf16(GetAuthorName());
}

void BlogEntry::SetAuthorNameText(std::u16string_view name)
{
    SetAuthorName(Utf16ToUtf8(name));
}
