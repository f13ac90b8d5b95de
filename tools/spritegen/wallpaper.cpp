// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The button wallpaper: a brightness field of bubbles mapped onto a blue palette.
#include "wallpaper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace prismora::spritegen {

namespace {

struct Bubble {
    double x;
    double y;
    double radius;
};

// Hand-placed so that every part of a tiled button face shows a few rings.
constexpr std::array<Bubble, 24> Bubbles = {{
    {34, 40, 22},   {96, 18, 9},    {142, 52, 28},  {214, 30, 15}, {18, 112, 11},  {70, 96, 16},
    {118, 130, 7},  {190, 104, 20}, {246, 150, 12}, {40, 176, 26}, {110, 200, 14}, {168, 180, 30},
    {230, 226, 18}, {88, 250, 8},   {12, 232, 6},   {128, 86, 5},  {66, 140, 6},   {206, 164, 5},
    {150, 240, 6},  {250, 80, 7},   {98, 60, 4},    {24, 78, 4},   {188, 232, 4},  {236, 110, 4},
}};

// Distance along one axis on a surface that wraps around every 256 pixels.
double wrapped(double delta)
{
    delta = std::fmod(std::abs(delta), WallpaperSize);
    return std::min(delta, WallpaperSize - delta);
}

double bubbleLight(const Bubble& b, double x, double y)
{
    const double dx = wrapped(x - b.x);
    const double dy = wrapped(y - b.y);
    const double distance = std::hypot(dx, dy);
    const double width = 1.0 + b.radius * 0.05;
    const double edge = (distance - b.radius) / width;
    double light = 0.34 * std::exp(-edge * edge);
    if (distance < b.radius) {
        light += 0.07 * (distance / b.radius) * (distance / b.radius);
    }
    // A small shine on the upper left of the bubble.
    const double sx = wrapped(x - (b.x - 0.45 * b.radius));
    const double sy = wrapped(y - (b.y - 0.45 * b.radius));
    const double shine = std::hypot(sx, sy) / (0.2 * b.radius + 0.8);
    light += 0.32 * std::exp(-shine * shine);
    return light;
}

// Brightness in [0, 1] at a point: gentle diagonal swell plus every bubble.
double brightness(double x, double y)
{
    const double turn = 2 * std::numbers::pi / WallpaperSize;
    double light = 0.17 + 0.05 * std::sin(turn * (x + y)) + 0.03 * std::sin(turn * 2 * (x - y));
    for (const Bubble& b : Bubbles) {
        light += bubbleLight(b, x, y);
    }
    return std::clamp(light, 0.0, 1.0);
}

// Palette entry i for brightness i / 255: a piecewise-linear ramp of blues.
QRgb rampColour(int index)
{
    struct Stop {
        double at;
        double r, g, b;
    };
    constexpr std::array<Stop, 5> Stops = {{{0.0, 0, 0, 24},
                                            {0.25, 0, 22, 96},
                                            {0.5, 24, 76, 176},
                                            {0.75, 100, 160, 232},
                                            {1.0, 210, 236, 255}}};
    const double t = index / 255.0;
    std::size_t i = 1;
    while (i + 1 < Stops.size() && t > Stops[i].at) {
        ++i;
    }
    const Stop& a = Stops[i - 1];
    const Stop& b = Stops[i];
    const double f = (t - a.at) / (b.at - a.at);
    const auto mix = [f](double from, double to) {
        return static_cast<int>(std::lround(from + (to - from) * f));
    };
    return qRgb(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}

} // namespace

QImage wallpaper()
{
    QImage image(WallpaperSize, WallpaperSize, QImage::Format_Indexed8);
    image.setColorCount(256);
    for (int i = 0; i < 256; ++i) {
        image.setColor(i, rampColour(i));
    }
    for (int y = 0; y < WallpaperSize; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < WallpaperSize; ++x) {
            row[x] = static_cast<uchar>(std::lround(brightness(x + 0.5, y + 0.5) * 255));
        }
    }
    return image;
}

} // namespace prismora::spritegen
