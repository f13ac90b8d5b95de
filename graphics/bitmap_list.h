// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// BitmapList: an indexed collection of bitmaps, each item owning its own picture.
#pragma once

#include "graphics/bitmap32.h"

#include <memory>
#include <vector>

namespace prismora {

// One item of the list; assigning a picture copies it (copy-from).
class BitmapListItem {
public:
    Bitmap32& bitmap() { return *m_bitmap; }
    const Bitmap32& bitmap() const { return *m_bitmap; }
    void setBitmap(const Bitmap32& bitmap) { m_bitmap->assign(bitmap); }

private:
    std::unique_ptr<Bitmap32> m_bitmap = std::make_unique<Bitmap32>();
};

class BitmapList {
public:
    int count() const { return static_cast<int>(m_items.size()); }
    // Appends an empty item and returns it.
    BitmapListItem& add();
    void clear() { m_items.clear(); }

    // The bitmap of item index; an index outside 0 .. count() - 1 throws
    // ListIndexError("List index out of bounds (index)").
    const Bitmap32& bitmap(int index) const;
    Bitmap32& bitmap(int index);
    // Copies bitmap into item index (same bounds rule).
    void setBitmap(int index, const Bitmap32& bitmap);

private:
    const BitmapListItem& item(int index) const;

    std::vector<std::unique_ptr<BitmapListItem>> m_items;
};

} // namespace prismora
