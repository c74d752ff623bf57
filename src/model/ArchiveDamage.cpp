#include "model/ArchiveDamage.h"

static const char* KindText(ArchiveDamage::Kind kind)
{
    switch (kind) {
    case ArchiveDamage::Kind::CannotOpen:
        return "the file cannot be opened";
    case ArchiveDamage::Kind::ReadFailed:
        return "the file cannot be read";
    case ArchiveDamage::Kind::EndOfData:
        return "the data ends early";
    case ArchiveDamage::Kind::UnexpectedClass:
        return "a record of the wrong class";
    case ArchiveDamage::Kind::BadSchema:
        return "a record with an unknown schema";
    case ArchiveDamage::Kind::BadTag:
        return "a bad record tag";
    case ArchiveDamage::Kind::TrailingData:
        return "unexpected data after the end";
    }
    return "damage";
}

std::string ArchiveDamage::Describe() const
{
    std::string text = KindText(kind);
    if (kind != Kind::CannotOpen)
        text += " at byte " + std::to_string(offset);
    if (!field.empty()) {
        text += ", in the " + field;
        if (!record.empty())
            text += " of " + record;
    }
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}
