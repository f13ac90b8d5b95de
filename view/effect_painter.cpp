// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The looks of the board's animations: glows, flashes, frames, rings and the shimmer of a solve.
#include "view/effect_painter.h"

#include "view/board_geometry.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace prismora {
namespace {

QPointF centreOf(Cell cell)
{
    return {static_cast<double>(geometry::cellCentre(cell.column)),
            static_cast<double>(geometry::cellCentre(cell.row))};
}

QColor withAlpha(QColor colour, double strength)
{
    colour.setAlphaF(static_cast<float>(std::clamp(strength, 0.0, 1.0)));
    return colour;
}

void paintGlow(QPainter& painter, Cell cell, const QColor& colour, double strength)
{
    constexpr double Radius = 40;
    QRadialGradient glow(centreOf(cell), Radius);
    glow.setColorAt(0.0, withAlpha(colour, 0.85 * strength));
    glow.setColorAt(0.45, withAlpha(colour, 0.45 * strength));
    glow.setColorAt(1.0, withAlpha(colour, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centreOf(cell), Radius, Radius);
}

void paintBombMark(QPainter& painter, Cell cell, double strength, double radius)
{
    painter.setBrush(withAlpha(QColor(255, 230, 120), 0.8 * strength));
    painter.setPen(QPen(withAlpha(QColor(230, 0, 0), strength), 4));
    painter.drawEllipse(centreOf(cell), radius, radius);
}

void paintTakenFrame(QPainter& painter, Cell cell, double strength)
{
    const double grow = (1 - strength) * 6;
    const QPointF corner(static_cast<double>(geometry::cellTopLeft(cell.column)),
                         static_cast<double>(geometry::cellTopLeft(cell.row)));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(QColor(255, 255, 0), strength), 3));
    painter.drawRect(QRectF(corner, QSizeF(geometry::CellSize, geometry::CellSize))
                         .adjusted(-grow, -grow, grow, grow));
}

void paintDropRing(QPainter& painter, Cell cell, double strength)
{
    const double radius = 18 + 16 * strength;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(Qt::white, strength), 3));
    painter.drawEllipse(centreOf(cell), radius, radius);
}

// Every lit lamp pulses, and a bright band runs along the beams.
void paintCelebration(QPainter& painter, const Level& level, const Evaluation& evaluation,
                      const EffectLook& look)
{
    for (std::size_t i = 0; i < level.pieces.size() && i < evaluation.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (!piece.removed && evaluation.pieces[i].lit) {
            paintGlow(painter, {piece.column, piece.row}, lampLight(piece.kind), look.strength);
        }
    }
    const double swell = std::sin(std::numbers::pi * look.phase);
    for (std::size_t i = 0; i < evaluation.segments.size(); ++i) {
        const BeamSegment& step = evaluation.segments[i];
        const double band = 0.5 + 0.5 * std::cos(2 * std::numbers::pi *
                                                 (look.phase * 3 - 0.12 * static_cast<double>(i)));
        painter.setPen(
            QPen(withAlpha(Qt::white, 0.6 * band * swell), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centreOf({static_cast<std::int32_t>(step.fromColumn),
                                   static_cast<std::int32_t>(step.fromRow)}),
                         centreOf({static_cast<std::int32_t>(step.toColumn),
                                   static_cast<std::int32_t>(step.toRow)}));
    }
}

} // namespace

QColor lampLight(PieceKind kind)
{
    switch (kind) {
    case PieceKind::RedLamp:
        return QColor(255, 60, 40);
    case PieceKind::GreenLamp:
        return QColor(60, 255, 60);
    case PieceKind::BlueLamp:
        return QColor(70, 110, 255);
    default:
        return QColor(255, 255, 230);
    }
}

std::vector<Cell> bombsHit(const Level& level, const Evaluation& evaluation)
{
    std::vector<Cell> cells;
    for (const Piece& piece : level.pieces) {
        if (piece.removed || piece.kind != PieceKind::Bomb) {
            continue;
        }
        for (const BeamSegment& step : evaluation.segments) {
            if (step.toColumn == piece.column && step.toRow == piece.row) {
                cells.push_back({piece.column, piece.row});
                break;
            }
        }
    }
    return cells;
}

void paintEffects(QPainter& painter, const BoardEffects& effects, std::int64_t now,
                  const Level& level, const Evaluation& evaluation)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const BoardEffect& effect : effects.effects()) {
        const EffectLook look = effectLook(effect.kind, now - effect.startedAt);
        if (!look.isLive) {
            continue;
        }
        switch (effect.kind) {
        case EffectKind::LampGlow:
            paintGlow(painter, effect.cell, effect.colour, look.strength);
            break;
        case EffectKind::BombFlash:
        case EffectKind::BombWarning:
            for (const Cell cell : bombsHit(level, evaluation)) {
                paintBombMark(painter, cell, look.strength, 14 + 10 * look.strength);
            }
            break;
        case EffectKind::PieceTaken:
            paintTakenFrame(painter, effect.cell, look.strength);
            break;
        case EffectKind::PieceDropped:
            paintDropRing(painter, effect.cell, look.strength);
            break;
        case EffectKind::Celebration:
            paintCelebration(painter, level, evaluation, look);
            break;
        }
    }
    painter.restore();
}

} // namespace prismora
