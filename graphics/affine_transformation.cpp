// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The affine matrix: building operations, the fixed-point inverse and the mapped bounds.
#include "graphics/affine_transformation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace prismora {

namespace {

using Matrix3 = AffineTransformation::FloatMatrix;

constexpr Matrix3 identityMatrix()
{
    return {{{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}}};
}

float determinant(const Matrix3& m)
{
    const double det = double(m[0][0]) * (double(m[1][1]) * m[2][2] - double(m[2][1]) * m[1][2]) -
                       double(m[0][1]) * (double(m[1][0]) * m[2][2] - double(m[2][0]) * m[1][2]) +
                       double(m[0][2]) * (double(m[1][0]) * m[2][1] - double(m[2][0]) * m[1][1]);
    return static_cast<float>(det);
}

// The adjugate divided by the determinant.
Matrix3 inverted(const Matrix3& m, float det)
{
    auto cofactor = [&m](int r0, int r1, int c0, int c1) {
        return double(m[r0][c0]) * m[r1][c1] - double(m[r0][c1]) * m[r1][c0];
    };
    const double scale = 1.0 / double(det);
    Matrix3 result{};
    result[0][0] = static_cast<float>(cofactor(1, 2, 1, 2) * scale);
    result[0][1] = static_cast<float>(-cofactor(0, 2, 1, 2) * scale);
    result[0][2] = static_cast<float>(cofactor(0, 1, 1, 2) * scale);
    result[1][0] = static_cast<float>(-cofactor(1, 2, 0, 2) * scale);
    result[1][1] = static_cast<float>(cofactor(0, 2, 0, 2) * scale);
    result[1][2] = static_cast<float>(-cofactor(0, 1, 0, 2) * scale);
    result[2][0] = static_cast<float>(cofactor(1, 2, 0, 1) * scale);
    result[2][1] = static_cast<float>(-cofactor(0, 2, 0, 1) * scale);
    result[2][2] = static_cast<float>(cofactor(0, 1, 0, 1) * scale);
    return result;
}

std::int32_t toFixed(float value) { return roundHalfEven(double(value) * 4096.0); }

// Signed 32-bit multiply-add with wrap-around, then an arithmetic shift.
int mapAxis(int x, int y, std::int32_t p, std::int32_t q, std::int32_t r, std::int32_t bias,
            int shift)
{
    const std::uint32_t sum = std::uint32_t(x) * std::uint32_t(p) +
                              std::uint32_t(y) * std::uint32_t(q) + std::uint32_t(r) +
                              std::uint32_t(bias);
    return static_cast<std::int32_t>(sum) >> shift;
}

} // namespace

int roundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);
    constexpr double limit = 2147483647.0;
    return static_cast<int>(std::clamp(rounded, -limit - 1.0, limit));
}

void AffineTransformation::clear()
{
    m_matrix = identityMatrix();
    m_inverseReady = false;
}

void AffineTransformation::setSourceRect(const FloatRect& rect)
{
    m_sourceRect = rect;
    m_inverseReady = false;
}

void AffineTransformation::setSourceRect(const Rect& rect)
{
    setSourceRect(
        FloatRect{float(rect.left), float(rect.top), float(rect.right), float(rect.bottom)});
}

void AffineTransformation::multiply(const Matrix3& n)
{
    Matrix3 result{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const double sum = double(n[0][j]) * m_matrix[i][0] + double(n[1][j]) * m_matrix[i][1] +
                               double(n[2][j]) * m_matrix[i][2];
            result[i][j] = static_cast<float>(sum);
        }
    }
    m_matrix = result;
    m_inverseReady = false;
}

void AffineTransformation::translate(float dx, float dy)
{
    Matrix3 n = identityMatrix();
    n[2][0] = dx;
    n[2][1] = dy;
    multiply(n);
}

void AffineTransformation::scale(float sx, float sy)
{
    Matrix3 n = identityMatrix();
    n[0][0] = sx;
    n[1][1] = sy;
    multiply(n);
}

void AffineTransformation::rotate(float cx, float cy, double alpha)
{
    m_inverseReady = false;
    const bool aroundCentre = cx != 0.0f || cy != 0.0f;
    if (aroundCentre) {
        translate(-cx, -cy);
    }
    const long double r =
        static_cast<long double>(alpha) * std::numbers::pi_v<long double> / 180.0L;
    const float cosine = static_cast<float>(std::cos(r));
    const float sine = static_cast<float>(std::sin(r));
    Matrix3 n = identityMatrix();
    n[0][0] = cosine;
    n[1][0] = sine;
    n[0][1] = -sine;
    n[1][1] = cosine;
    multiply(n);
    if (aroundCentre) {
        translate(cx, cy);
    }
}

void AffineTransformation::prepareInverse()
{
    const float det = determinant(m_matrix);
    const Matrix3 inverse = std::fabs(det) < 1e-5f ? identityMatrix() : inverted(m_matrix, det);
    m_a = toFixed(inverse[0][0]);
    m_b = toFixed(inverse[1][0]);
    m_c = toFixed(inverse[2][0]);
    m_d = toFixed(inverse[0][1]);
    m_e = toFixed(inverse[1][1]);
    m_f = toFixed(inverse[2][1]);
    m_inverseReady = true;
}

AffineTransformation::IntPoint AffineTransformation::mapBackInt(int x, int y) const
{
    return {mapAxis(x, y, m_a, m_b, m_c, 2047, 12), mapAxis(x, y, m_d, m_e, m_f, 2047, 12)};
}

AffineTransformation::IntPoint AffineTransformation::mapBackFixed(int x, int y) const
{
    return {mapAxis(x, y, m_a, m_b, m_c, 7, 4), mapAxis(x, y, m_d, m_e, m_f, 7, 4)};
}

Rect AffineTransformation::mappedBounds() const
{
    const std::array<std::array<float, 2>, 4> corners{{{m_sourceRect.left, m_sourceRect.top},
                                                       {m_sourceRect.right, m_sourceRect.top},
                                                       {m_sourceRect.left, m_sourceRect.bottom},
                                                       {m_sourceRect.right, m_sourceRect.bottom}}};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const float x = corners[k][0];
        const float y = corners[k][1];
        const double mappedX = static_cast<float>(double(m_matrix[0][0]) * x +
                                                  double(m_matrix[1][0]) * y + m_matrix[2][0]);
        const double mappedY = static_cast<float>(double(m_matrix[0][1]) * x +
                                                  double(m_matrix[1][1]) * y + m_matrix[2][1]);
        minX = k == 0 ? mappedX : std::min(minX, mappedX);
        maxX = k == 0 ? mappedX : std::max(maxX, mappedX);
        minY = k == 0 ? mappedY : std::min(minY, mappedY);
        maxY = k == 0 ? mappedY : std::max(maxY, mappedY);
    }
    return {roundHalfEven(minX - 0.5), roundHalfEven(minY - 0.5), roundHalfEven(maxX + 0.5),
            roundHalfEven(maxY + 0.5)};
}

} // namespace prismora
