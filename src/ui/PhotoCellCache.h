#pragma once

#include "imaging/Dib.h"
#include "imaging/Rect.h"

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

// The photo picker's pictures of the photo files, fitted into a cell, for
// the cells drawn lately: a cell drawn again (its tick changed, the cursor
// moved, the grid scrolled back) is not decoded from its file again. The
// least recently drawn pictures give way once the cache holds its most.
// A file that could not be decoded is remembered as such (a null bitmap).
class PhotoCellCache {
public:
    struct Picture {
        Dib bitmap;
        // Where the picture lies in the cell.
        Rect at;
    };

    explicit PhotoCellCache(size_t mostPictures)
        : m_most(mostPictures)
    {
    }

    // The picture of the file fitted into a cell of the given size: from the
    // cache, or decoded from the file now (at the smallest scale, or from
    // its EXIF thumbnail).
    const Picture& Get(size_t index, const std::string& path, int cellWidth, int cellHeight);

    size_t GetSize() const { return m_pictures.size(); }
    size_t GetDecodeCount() const { return m_decodes; }
    void Clear();

private:
    struct Slot {
        Picture picture;
        std::list<size_t>::iterator use;
    };

    static Picture Decode(const std::string& path, int cellWidth, int cellHeight);

    size_t m_most;
    int m_cellWidth { 0 };
    int m_cellHeight { 0 };
    std::unordered_map<size_t, Slot> m_pictures;
    // Most recently drawn first.
    std::list<size_t> m_uses;
    size_t m_decodes { 0 };
};
