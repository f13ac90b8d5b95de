// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sizing of a two-dimensional map.
#include "graphics/resizable_grid.h"

#include <algorithm>

namespace prismora {

bool ResizableGrid::setSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) {
        return false;
    }
    replaceStorage(width, height);
    changed();
    afterResize();
    return true;
}

void ResizableGrid::release() { setSize(0, 0); }

bool ResizableGrid::isEmpty() const { return m_width == 0 || m_height == 0; }

void ResizableGrid::replaceStorage(int newWidth, int newHeight) { storeSize(newWidth, newHeight); }

void ResizableGrid::afterResize()
{
    if (onResize) {
        onResize();
    }
}

void ResizableGrid::storeSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

} // namespace prismora
