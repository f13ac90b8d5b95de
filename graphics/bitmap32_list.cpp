// TBitmap32List: item access with the list's bounds error.
#include "graphics/bitmap32_list.h"

#include "graphics/graphics_error.h"

#include <string>

namespace prismora {

TBitmap32Item& TBitmap32List::Add()
{
    m_items.push_back(std::make_unique<TBitmap32Item>());
    return *m_items.back();
}

const TBitmap32Item& TBitmap32List::item(int index) const
{
    if (index < 0 || index >= Count()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return *m_items[static_cast<std::size_t>(index)];
}

const TBitmap32& TBitmap32List::Bitmap(int index) const { return item(index).Bitmap(); }

TBitmap32& TBitmap32List::Bitmap(int index)
{
    return const_cast<TBitmap32Item&>(item(index)).Bitmap();
}

void TBitmap32List::SetBitmap(int index, const TBitmap32& bitmap)
{
    const_cast<TBitmap32Item&>(item(index)).SetBitmap(bitmap);
}

} // namespace prismora
