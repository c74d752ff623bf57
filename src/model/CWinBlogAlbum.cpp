#include "model/CWinBlogAlbum.h"

#include "model/Archive.h"

const RuntimeClass& CWinBlogAlbum::Class()
{
    static const RuntimeClass runtimeClass {
        "CWinBlogAlbum",
        0,
        []() -> std::unique_ptr<SerializableObject> { return std::make_unique<CWinBlogAlbum>(); },
    };
    return runtimeClass;
}

void CWinBlogAlbum::Serialize(Archive& archive)
{
    archive.Exchange("id", m_id);
    archive.Exchange("name", m_name);
    archive.Exchange("URL", m_url);
    archive.Exchange("modified flag", m_modified);
    archive.Exchange("unconfirmed flag", m_unconfirmed);
}

void CWinBlogAlbum::CopyFrom(const BlogAlbum& other)
{
    m_id = other.GetId();
    m_name = other.GetName();
    m_url = other.GetUrl();
    m_modified = other.IsModified();
    m_unconfirmed = other.IsUnconfirmed();
}
