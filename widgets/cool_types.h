// Option sets and small enums shared by the gradient button and the scrolling banner.
#pragma once

#include <QFlags>

namespace prismora {

// Drawing options of the cool controls. The set is shared with other controls
// of the same family, so it also lists options the button ignores; the button
// reads ocPaintTransparently, ocPaintWallpaper, ocStretchWallpaper,
// ocPaintGradiently and ocFlatBorder.
enum class TCoolOption : unsigned {
    ocPaintWallpaper = 1u << 0,
    ocStretchWallpaper = 1u << 1,
    ocPaintSelWallpaper = 1u << 2,
    ocPaintCaptionWallpaper = 1u << 3,
    ocInvertWallpaperAsSelect = 1u << 4,
    ocPaintGradiently = 1u << 5,
    ocBevelOnlyIfSel = 1u << 6,
    ocUseImageList = 1u << 7,
    ocUseGlyphAssign = 1u << 8,
    oc3dMDIForm = 1u << 9,
    ocWallpaperForMDIChildren = 1u << 10,
    ocGradientForMDIChildren = 1u << 11,
    ocNoCaption = 1u << 12,
    ocSmallCaption = 1u << 13,
    ocNoMDIChildrensCaptions = 1u << 14,
    ocDragUsingClientArea = 1u << 15,
    ocNoDragUsingCaption = 1u << 16,
    ocRoundedForm = 1u << 17,
    ocFlatBorder = 1u << 18,
    ocPaintFormSemiTransparently = 1u << 19,
    ocPaintTransparently = 1u << 20,
};
Q_DECLARE_FLAGS(TCoolOptions, TCoolOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCoolOptions)

// Which frames the button draws around its face.
enum class TBtnPaintOption : unsigned {
    bpoDrawFocus = 1u << 0,
    bpoDrawDefault = 1u << 1,
};
Q_DECLARE_FLAGS(TBtnPaintOptions, TBtnPaintOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBtnPaintOptions)

// Direction in which the gradient's colour changes: gdHorizontal gives
// vertical stripes, gdVertical horizontal ones.
enum class TGradientDirection { gdHorizontal, gdVertical };

// Where a caption's shadow lies relative to the caption.
enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

// How a wallpaper covers a rectangle.
enum class WallpaperFit { Tiled, Stretched };

// Whether text is drawn in its normal colours or with the disabled emboss.
enum class TextState { Enabled, Disabled };

} // namespace prismora
