// TBitmap32List: an indexed collection of bitmaps, each item owning its own picture.
#pragma once

#include "graphics/bitmap32.h"

#include <memory>
#include <vector>

namespace prismora {

// One item of the list; assigning a picture copies it (copy-from).
class TBitmap32Item {
public:
    TBitmap32& Bitmap() { return *m_bitmap; }
    const TBitmap32& Bitmap() const { return *m_bitmap; }
    void SetBitmap(const TBitmap32& bitmap) { m_bitmap->Assign(bitmap); }

private:
    std::unique_ptr<TBitmap32> m_bitmap = std::make_unique<TBitmap32>();
};

class TBitmap32List {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    // Appends an empty item and returns it.
    TBitmap32Item& Add();
    void Clear() { m_items.clear(); }

    // The bitmap of item index; an index outside 0 .. Count() - 1 throws
    // EListError("List index out of bounds (index)").
    const TBitmap32& Bitmap(int index) const;
    TBitmap32& Bitmap(int index);
    // Copies bitmap into item index (same bounds rule).
    void SetBitmap(int index, const TBitmap32& bitmap);

private:
    const TBitmap32Item& item(int index) const;

    std::vector<std::unique_ptr<TBitmap32Item>> m_items;
};

} // namespace prismora
