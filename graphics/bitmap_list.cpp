// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// BitmapList: item access with the list's bounds error.
#include "graphics/bitmap_list.h"

#include "graphics/graphics_error.h"

#include <string>

namespace prismora {

BitmapListItem& BitmapList::add()
{
    m_items.push_back(std::make_unique<BitmapListItem>());
    return *m_items.back();
}

const BitmapListItem& BitmapList::item(int index) const
{
    if (index < 0 || index >= count()) {
        throw ListIndexError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return *m_items[static_cast<std::size_t>(index)];
}

const Bitmap32& BitmapList::bitmap(int index) const { return item(index).bitmap(); }

Bitmap32& BitmapList::bitmap(int index)
{
    return const_cast<BitmapListItem&>(item(index)).bitmap();
}

void BitmapList::setBitmap(int index, const Bitmap32& bitmap)
{
    const_cast<BitmapListItem&>(item(index)).setBitmap(bitmap);
}

} // namespace prismora
