// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-blind aid's drawing: patterned green and blue beams, and letter boxes.
#include "view/colour_aid.h"

#include "core/palette.h"
#include "view/beam_pen.h"
#include "view/board_geometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace prismora {
namespace {

enum class Pattern { Dashed, Dotted };

// Whether a pixel of a beam's body is part of its pattern or a gap in it.
enum Mark : std::uint8_t { Untouched = 0, Gap = 1, Kept = 2 };

// Half the beam's width in board pixels, with a pixel to spare: only pixels
// still in the beam's colour are ever changed.
constexpr double BodyHalfWidth = BeamWidth / 2.0 + 1.0;
// Dashes two to a step, 64 % of their period; dots four to a step.
constexpr double DashShare = 0.64;
constexpr double DotRadius = 3.3;

bool isKept(Pattern pattern, double along, double across, double length)
{
    if (pattern == Pattern::Dashed) {
        const double period = length / 2.0;
        const double phase = std::fmod(along + period, period);
        const double halfDash = period * DashShare / 2.0;
        return phase <= halfDash || phase >= period - halfDash;
    }
    const double period = length / 4.0;
    const double fromDot = along - std::round(along / period) * period;
    return fromDot * fromDot + across * across <= DotRadius * DotRadius;
}

// Marks the pixels of one step's body (its round ends excepted) as kept or gap.
void markStep(std::vector<std::uint8_t>& marks, const QImage& image, int scale,
              const BeamSegment& step, Pattern pattern)
{
    using namespace geometry;
    const double dx = static_cast<double>(step.toColumn - step.fromColumn);
    const double dy = static_cast<double>(step.toRow - step.fromRow);
    const double norm = std::hypot(dx, dy);
    const double length = CellSize * norm;
    const double fromX = static_cast<double>(cellCentre(step.fromColumn));
    const double fromY = static_cast<double>(cellCentre(step.fromRow));
    const auto pixelRange = [&](double from, double delta, int size) {
        const double low = (std::min(from, from + delta * CellSize) - BodyHalfWidth) * scale;
        const double high = (std::max(from, from + delta * CellSize) + BodyHalfWidth) * scale;
        return std::pair(static_cast<int>(std::clamp(std::floor(low), 0.0, double(size))),
                         static_cast<int>(std::clamp(std::ceil(high), 0.0, double(size))));
    };
    const auto [left, right] = pixelRange(fromX, dx, image.width());
    const auto [top, bottom] = pixelRange(fromY, dy, image.height());
    for (int y = top; y < bottom; ++y) {
        const double offsetY = (y + 0.5) / scale - 0.5 - fromY;
        for (int x = left; x < right; ++x) {
            const double offsetX = (x + 0.5) / scale - 0.5 - fromX;
            const double along = (offsetX * dx + offsetY * dy) / norm;
            const double across = std::abs(offsetX * dy - offsetY * dx) / norm;
            if (across > BodyHalfWidth || along < 0.0 || along > length) {
                continue;
            }
            const Mark mark = isKept(pattern, along, across, length) ? Kept : Gap;
            std::uint8_t& kept = marks[static_cast<std::size_t>(y) * image.width() + x];
            kept = std::max<std::uint8_t>(kept, mark);
        }
    }
}

bool isOneStep(const BeamSegment& segment)
{
    const std::int64_t dx = segment.toColumn - segment.fromColumn;
    const std::int64_t dy = segment.toRow - segment.fromRow;
    return std::max(std::abs(dx), std::abs(dy)) == 1;
}

// Cells that show on the board, the edge cells a beam may cross included.
bool isShownCell(std::int32_t column, std::int32_t row)
{
    return column >= 0 && column <= BoardCells + 1 && row >= 0 && row <= BoardCells + 1;
}

// The box of a lamp's or cannon's letter: the top-left corner of its sprite.
QRect letterBox(std::int32_t column, std::int32_t row)
{
    constexpr int Side = 14;
    return {static_cast<int>(geometry::cellTopLeft(column)) + 3,
            static_cast<int>(geometry::cellTopLeft(row)) + 3, Side, Side};
}

// Along the bottom of a white lamp: R, G and B, strong for the colours that reach it.
void paintColoursReached(QPainter& painter, const Piece& lamp, const PieceLight& light)
{
    constexpr int Side = 12;
    const int left = static_cast<int>(geometry::cellTopLeft(lamp.column)) + 7;
    const int top = static_cast<int>(geometry::cellTopLeft(lamp.row)) + 35;
    const std::pair<char, bool> colours[] = {
        {'R', light.redHit}, {'G', light.greenHit}, {'B', light.blueHit}};
    for (int k = 0; k < 3; ++k) {
        const auto& [letter, isReached] = colours[k];
        paintLetterBox(painter, QRect(left + k * (Side + 1), top, Side, Side), letter,
                       isReached ? LetterLook::Strong : LetterLook::Faint);
    }
}

} // namespace

std::optional<char> colourLetterOfKind(PieceKind kind)
{
    switch (kind) {
    case PieceKind::RedLamp:
        return 'R';
    case PieceKind::GreenLamp:
        return 'G';
    case PieceKind::BlueLamp:
        return 'B';
    case PieceKind::WhiteLamp:
        return 'V';
    default:
        return std::nullopt;
    }
}

std::optional<char> colourLetterOfCannon(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return 'R';
    case GreenBeam:
        return 'G';
    case BlueBeam:
        return 'B';
    default:
        return std::nullopt;
    }
}

std::optional<char> colourLetterOfRow(int row)
{
    if (const std::optional<std::int32_t> colour = cannonColourOfRow(row)) {
        return colourLetterOfCannon(*colour);
    }
    const std::optional<PieceKind> kind = kindOfRow(row);
    return kind ? colourLetterOfKind(*kind) : std::nullopt;
}

void paintLetterBox(QPainter& painter, const QRect& box, char letter, LetterLook look)
{
    const bool isStrong = look == LetterLook::Strong;
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode); // the palette draws its text opaque
    painter.fillRect(box, isStrong ? QColor(Qt::white) : QColor(0x60, 0x60, 0x60));
    painter.setPen(isStrong ? QColor(Qt::black) : QColor(0x90, 0x90, 0x90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(6, box.height() - 3));
    painter.setFont(font);
    painter.setPen(isStrong ? QColor(Qt::black) : QColor(0xB0, 0xB0, 0xB0));
    painter.drawText(box, Qt::AlignCenter, QString(QChar::fromLatin1(letter)));
    painter.restore();
}

void patternBeams(QImage& image, const QImage& background, int scale,
                  const std::vector<BeamSegment>& segments)
{
    std::vector<std::uint8_t> marks;
    for (const auto& [colour, pattern] :
         {std::pair(GreenBeam, Pattern::Dashed), std::pair(BlueBeam, Pattern::Dotted)}) {
        marks.assign(static_cast<std::size_t>(image.width()) * image.height(), Untouched);
        bool isAny = false;
        for (const BeamSegment& segment : segments) {
            if (segment.colour == colour && isOneStep(segment)) {
                markStep(marks, image, scale, segment, pattern);
                isAny = true;
            }
        }
        if (!isAny) {
            continue;
        }
        const QRgb beam = qColorOfLevelColour(colour).rgb();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            const auto* under = reinterpret_cast<const QRgb*>(background.constScanLine(y));
            const std::uint8_t* mark = marks.data() + static_cast<std::size_t>(y) * image.width();
            for (int x = 0; x < image.width(); ++x) {
                if (mark[x] == Gap && (row[x] | 0xFF000000u) == beam) {
                    row[x] = under[x];
                }
            }
        }
    }
}

void paintColourLetters(QImage& image, int scale, const Level& level, const Evaluation& evaluation)
{
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (const BeamSource& source : level.sources) {
        const std::optional<char> letter = colourLetterOfCannon(source.colour);
        if (source.isCannon() && !source.removed && letter &&
            isShownCell(source.column, source.row)) {
            paintLetterBox(painter, letterBox(source.column, source.row), *letter,
                           LetterLook::Strong);
        }
    }
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        const std::optional<char> letter = colourLetterOfKind(piece.kind);
        if (piece.removed || !letter || !isShownCell(piece.column, piece.row)) {
            continue;
        }
        paintLetterBox(painter, letterBox(piece.column, piece.row), *letter, LetterLook::Strong);
        if (piece.kind == PieceKind::WhiteLamp && i < evaluation.pieces.size()) {
            paintColoursReached(painter, piece, evaluation.pieces[i]);
        }
    }
}

} // namespace prismora
