// Sizing of a two-dimensional map.
#include "graphics/custom_map.h"

#include <algorithm>

namespace prismora {

bool TCustomMap::SetExtent(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) {
        return false;
    }
    ReplaceStorage(width, height);
    Changed();
    AfterResize();
    return true;
}

void TCustomMap::Delete() { SetExtent(0, 0); }

bool TCustomMap::Empty() const { return m_width == 0 || m_height == 0; }

void TCustomMap::ReplaceStorage(int newWidth, int newHeight) { StoreSize(newWidth, newHeight); }

void TCustomMap::AfterResize()
{
    if (OnResize) {
        OnResize();
    }
}

void TCustomMap::StoreSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

} // namespace prismora
