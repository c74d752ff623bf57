#include "ui/PhotoCellCache.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "platform/File.h"

// Fitted inside the cell, centred, never turned.
static constexpr std::uint32_t kCellFlags = LoadFlags::NoRotate | LoadFlags::CallerMark;

void PhotoCellCache::Clear()
{
    m_pictures.clear();
    m_uses.clear();
}

const PhotoCellCache::Picture& PhotoCellCache::Get(size_t index, const std::string& path, int cellWidth, int cellHeight)
{
    if (cellWidth != m_cellWidth || cellHeight != m_cellHeight) {
        Clear();
        m_cellWidth = cellWidth;
        m_cellHeight = cellHeight;
    }
    if (auto found = m_pictures.find(index); found != m_pictures.end()) {
        m_uses.splice(m_uses.begin(), m_uses, found->second.use);
        return found->second.picture;
    }
    if (m_pictures.size() >= m_most && !m_uses.empty()) {
        m_pictures.erase(m_uses.back());
        m_uses.pop_back();
    }
    m_uses.push_front(index);
    Slot& slot = m_pictures[index];
    slot.picture = Decode(path, cellWidth, cellHeight);
    slot.use = m_uses.begin();
    ++m_decodes;
    return slot.picture;
}

PhotoCellCache::Picture PhotoCellCache::Decode(const std::string& path, int cellWidth, int cellHeight)
{
    Picture picture;
    // A file that has gone or cannot be read leaves its cell blank.
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return picture;
    JpegImage image(*file);
    Rect target { 0, 0, cellWidth, cellHeight };
    Dib bitmap;
    if (image.LoadBitmap(target, kCellFlags, bitmap) != Error::Success)
        return picture;
    picture.bitmap = std::move(bitmap);
    picture.at = target;
    return picture;
}
