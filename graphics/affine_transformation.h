// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// AffineTransformation: a float 3 x 3 matrix with a 20.12 fixed-point inverse, and transform().
#pragma once

#include "graphics/rect.h"

#include <array>
#include <cstdint>

namespace prismora {

class Bitmap32;

// Rounds to the nearest integer, ties to even (every float-to-integer conversion here).
int roundHalfEven(double value);

// A point (x, y) maps to x' = m00*x + m10*y + m20, y' = m01*x + m11*y + m21; y grows
// downwards. Each building operation applies after everything already in the matrix.
class AffineTransformation {
public:
    using FloatMatrix = std::array<std::array<float, 3>, 3>; // matrix()[i][j] is m(i)(j)

    AffineTransformation() { clear(); }

    // matrix := identity; the inverse must be prepared again.
    void clear();
    const FloatMatrix& matrix() const { return m_matrix; }

    const FloatRect& sourceRect() const { return m_sourceRect; }
    void setSourceRect(const FloatRect& rect);
    // Integer rectangles convert to floats one to one.
    void setSourceRect(const Rect& rect);

    void translate(float dx, float dy);
    // Scales by (sx, sy) about the origin.
    void scale(float sx, float sy);
    // Turns by alpha degrees about (cx, cy); positive is counter-clockwise on screen.
    // The centre translations are applied only when cx or cy is non-zero.
    void rotate(float cx, float cy, double alpha);

    // Builds the inverse in 20.12 fixed point; a matrix with |determinant| < 1e-5
    // is treated as the identity.
    void prepareInverse();
    bool isInverseReady() const { return m_inverseReady; }

    struct IntPoint {
        int x;
        int y;
    };
    // Destination pixel to source pixel: (x*a + y*b + c + 2047) >> 12 and alike.
    IntPoint mapBackInt(int x, int y) const;
    // Destination pixel to source point in 24.8 fixed point: (x*a + y*b + c + 7) >> 4.
    IntPoint mapBackFixed(int x, int y) const;
    // The four corners of sourceRect() mapped forward; rnd(min - 0.5) .. rnd(max + 0.5).
    Rect mappedBounds() const;

    // The fixed-point inverse coefficients a .. f (value x 4096).
    std::array<std::int32_t, 6> fixedInverse() const { return {m_a, m_b, m_c, m_d, m_e, m_f}; }

private:
    void multiply(const FloatMatrix& n);

    FloatRect m_sourceRect;
    bool m_inverseReady = false;
    std::int32_t m_a = 0, m_b = 0, m_c = 0, m_d = 0, m_e = 0, m_f = 0;
    FloatMatrix m_matrix{};
};

// Fills dst by mapping each destination pixel of the transformed source bounds back
// into src and sampling it (nearest pixel for StretchFilter::Nearest, else
// bilinear with src's outerColor() at its border), combined by src's draw mode
// and master alpha.
// Destination pixels that get no sample keep their value. Prepares the inverse if
// needed; raises nothing. Uses the active colour variant for the bilinear mixing.
void transform(Bitmap32& dst, const Bitmap32& src, AffineTransformation& transformation);

} // namespace prismora
