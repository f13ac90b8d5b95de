// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GradientButton: a push button whose face (wallpaper, gradient, edges, caption) is drawn by us.
#pragma once

#include "widgets/drawing_types.h"
#include "widgets/face_painting.h"

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QPushButton>
#include <QRect>

#include <cstdint>

class QPainter;

namespace prismora {

// Clicks, Space and Enter, tooltips and visibility are those of QPushButton;
// only the face is ours. Every setter stores the value and repaints only when
// the value really changed.
class GradientButton : public QPushButton {
    Q_OBJECT

public:
    // What the face's background is and how its edge behaves. Several may be
    // set; the background takes the first of PaintTransparently,
    // PaintWallpaper, PaintGradiently, and otherwise fills with color().
    enum class Option : unsigned {
        PaintWallpaper = 1u << 0,
        StretchWallpaper = 1u << 1, // with PaintWallpaper: one scaled copy instead of tiles
        PaintGradiently = 1u << 2,
        FlatBorder = 1u << 3,         // the raised edge only while the pointer is over the button
        PaintTransparently = 1u << 4, // the background is copied from an ancestor
    };
    Q_DECLARE_FLAGS(Options, Option)

    // Which frames are drawn around the face.
    enum class PaintOption : unsigned {
        DrawFocus = 1u << 0,   // the dotted focus rectangle while focused
        DrawDefault = 1u << 1, // the 1-pixel frame of the default or focused button
    };
    Q_DECLARE_FLAGS(PaintOptions, PaintOption)

    // The states that change the face.
    struct FaceState {
        bool pressed = false;
        bool focused = false;   // keyboard focus
        bool isDefault = false; // the window's default button
        bool pointerInside = false;
        bool enabled = true;
    };

    explicit GradientButton(QWidget* parent = nullptr);
    explicit GradientButton(const QString& caption, QWidget* parent = nullptr);

    // The face as it is now, from the button's own state.
    FaceState currentFaceState() const;

    // Paints the whole face for the given state onto painter, whose origin is
    // the button's top-left corner; emits drawButton at the end. paintEvent
    // uses it with currentFaceState(); tests can paint into a QImage.
    void paintFace(QPainter& painter, const FaceState& state);

    Options options() const { return m_options; }
    void setOptions(Options options);

    // A copy of the picture is kept; a null image removes the wallpaper.
    const QImage& wallpaper() const { return m_wallpaper; }
    void setWallpaper(const QImage& wallpaper);

    // The gradient colours and direction repaint only while PaintGradiently is set.
    QColor colorStart() const { return m_colorStart; }
    void setColorStart(const QColor& color);
    QColor colorEnd() const { return m_colorEnd; }
    void setColorEnd(const QColor& color);
    GradientDirection gradientDirection() const { return m_gradientDirection; }
    void setGradientDirection(GradientDirection direction);

    // True: the caption is drawn once, plainly; False: with its shadow.
    bool simpleView() const { return m_shadow.simpleView; }
    void setSimpleView(bool simple);

    // Changing any of the shadow's properties also turns SimpleView off.
    QColor shadowColor() const { return m_shadow.color; }
    void setShadowColor(const QColor& color);
    std::uint8_t shadowSize() const { return m_shadow.size; }
    void setShadowSize(std::uint8_t size);
    ShadowPosition shadowPos() const { return m_shadow.position; }
    void setShadowPos(ShadowPosition position);

    // With PaintTransparently: how many parent levels up the background is
    // taken from (stopping at the top-level window).
    std::uint8_t transparencyLevel() const { return m_transparencyLevel; }
    void setTransparencyLevel(std::uint8_t level);

    PaintOptions paintOptions() const { return m_paintOptions; }
    void setPaintOptions(PaintOptions options);

    // Face colour when neither the wallpaper nor the gradient is painted.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    // Set while the mouse pointer is over the button.
    bool isPointerInside() const { return m_pointerInside; }

signals:
    // After the face is drawn, with the painter and the client rectangle.
    void drawButton(QPainter* painter, QRect clientRect);
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintBackground(QPainter& painter, const QRect& rect);
    void paintAncestorBackground(QPainter& painter, const QRect& rect);
    void paintCaption(QPainter& painter, const FaceState& state);
    void repaintIfGradient();
    void shadowChanged();

    Options m_options;
    QImage m_wallpaper;
    QColor m_colorStart;
    QColor m_colorEnd;
    GradientDirection m_gradientDirection = GradientDirection::Horizontal;
    TextShadow m_shadow;
    std::uint8_t m_transparencyLevel = 0;
    PaintOptions m_paintOptions = PaintOptions(PaintOption::DrawFocus) | PaintOption::DrawDefault;
    QColor m_color;
    bool m_pointerInside = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(GradientButton::Options)
Q_DECLARE_OPERATORS_FOR_FLAGS(GradientButton::PaintOptions)

} // namespace prismora
