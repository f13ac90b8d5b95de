// TAffineTransformation: a float 3 x 3 matrix with a 20.12 fixed-point inverse, and Transform.
#pragma once

#include "graphics/rect.h"

#include <array>
#include <cstdint>

namespace prismora {

class TBitmap32;

// Rounds to the nearest integer, ties to even (every float-to-integer conversion here).
int RoundHalfEven(double value);

// A point (x, y) maps to x' = m00*x + m10*y + m20, y' = m01*x + m11*y + m21; y grows
// downwards. Each building operation applies after everything already in Matrix.
class TAffineTransformation {
public:
    using TFloatMatrix = std::array<std::array<float, 3>, 3>; // Matrix[i][j] is m(i)(j)

    TAffineTransformation() { Clear(); }

    // Matrix := identity; the inverse must be prepared again.
    void Clear();
    const TFloatMatrix& Matrix() const { return m_matrix; }

    const FloatRect& SrcRect() const { return m_srcRect; }
    void SetSrcRect(const FloatRect& rect);
    // Integer rectangles convert to floats one to one.
    void SetSrcRect(const Rect& rect);

    void Translate(float dx, float dy);
    // Scales by (sx, sy) about the origin.
    void Scale(float sx, float sy);
    // Turns by alpha degrees about (cx, cy); positive is counter-clockwise on screen.
    // The centre translations are applied only when cx or cy is non-zero.
    void Rotate(float cx, float cy, double alpha);

    // Builds the inverse in 20.12 fixed point; a matrix with |determinant| < 1e-5
    // is treated as the identity.
    void PrepareInverse();
    bool InverseReady() const { return m_inverseReady; }

    struct IntPoint {
        int X;
        int Y;
    };
    // Destination pixel to source pixel: (x*a + y*b + c + 2047) >> 12 and alike.
    IntPoint MapBackInt(int x, int y) const;
    // Destination pixel to source point in 24.8 fixed point: (x*a + y*b + c + 7) >> 4.
    IntPoint MapBackFixed(int x, int y) const;
    // The four corners of SrcRect mapped forward; rnd(min - 0.5) .. rnd(max + 0.5).
    Rect MappedBounds() const;

    // The fixed-point inverse coefficients a .. f (value x 4096).
    std::array<std::int32_t, 6> FixedInverse() const { return {m_a, m_b, m_c, m_d, m_e, m_f}; }

private:
    void multiply(const TFloatMatrix& n);

    FloatRect m_srcRect;
    bool m_inverseReady = false;
    std::int32_t m_a = 0, m_b = 0, m_c = 0, m_d = 0, m_e = 0, m_f = 0;
    TFloatMatrix m_matrix{};
};

// Fills dst by mapping each destination pixel of the transformed source bounds back
// into src and sampling it (nearest pixel for sfNearest, else bilinear with src's
// OuterColor at its border), combined by src's draw mode and master alpha.
// Destination pixels that get no sample keep their value. Prepares the inverse if
// needed; raises nothing. Uses the active colour variant for the bilinear mixing.
void Transform(TBitmap32& dst, const TBitmap32& src, TAffineTransformation& transformation);

} // namespace prismora
