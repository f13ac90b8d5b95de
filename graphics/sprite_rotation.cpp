// RotateSprite: the diagonal sprite turn through an affine transformation.
#include "graphics/sprite_rotation.h"

#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"

namespace prismora {

void RotateSprite(TBitmap32& bitmap, int angle)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    TAffineTransformation transformation;
    TBitmap32 rotated;
    rotated.SetExtent(width, height);
    bitmap.SetStretchFilter(TStretchFilter::sfLinear);
    transformation.SetSrcRect(Rect{0, 0, width, height});
    transformation.Rotate(float(width / 2), float(height / 2), angle);
    rotated.Clear(0x00FFFFFF);
    Transform(rotated, bitmap, transformation);
    rotated.MakeOpaque();
    rotated.SetDrawMode(TDrawMode::dmOpaque);
    rotated.DrawOnto(bitmap, Rect{0, 0, width, height});
}

} // namespace prismora
