// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beam segments laid as precomputed step shapes, each repeated step only once.
#include "view/beam_drawing.h"

#include "view/beam_pen.h"
#include "view/beam_shapes.h"
#include "view/board_geometry.h"

#include <QPainter>

#include <array>
#include <optional>

namespace prismora {
namespace {

// Steps starting outside cells 0..10 lie wholly off the board: from a cell
// centre a step and its end disc reach at most CellSize + BeamWidth / 2
// pixels, less than the 74 pixels from centre -1 (or 11) to the board's edge.
constexpr int FirstSeenCell = 0;
constexpr int SeenCells = geometry::BoardPixels / geometry::CellSize + 2;

// The direction of a one-cell step, or nothing for any other segment.
std::optional<std::uint8_t> stepDirection(const BeamSegment& segment)
{
    static constexpr std::array<std::array<std::int8_t, 3>, 3> directions{{
        {3, 2, 1}, // dy = -1: dx = -1, 0, 1
        {4, -1, 0},
        {5, 6, 7},
    }};
    const std::int64_t dx = segment.toColumn - segment.fromColumn;
    const std::int64_t dy = segment.toRow - segment.fromRow;
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1 || (dx == 0 && dy == 0)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(
        directions[static_cast<std::size_t>(dy + 1)][static_cast<std::size_t>(dx + 1)]);
}

bool isSeenCell(std::int64_t cell) { return cell >= FirstSeenCell && cell < SeenCells; }

// The last colour each visible step was drawn in, while looking at the
// segments from the last one back: a step met again in that colour is
// covered later by the very same pixels and need not be drawn.
class LaterSteps {
public:
    // True when the same step in the same colour comes later; records it otherwise.
    bool comesLater(const BeamSegment& segment, std::uint8_t direction)
    {
        const auto slot = static_cast<std::size_t>(
            (segment.fromRow * SeenCells + segment.fromColumn) * 8 + direction);
        Entry& entry = m_entries[slot];
        const bool isRepeat = entry.isSet && entry.colour == segment.colour;
        entry = {true, segment.colour};
        return isRepeat;
    }

private:
    struct Entry {
        bool isSet = false;
        std::int32_t colour = 0;
    };
    std::array<Entry, SeenCells * SeenCells * 8> m_entries{};
};

enum class Drawing : std::uint8_t { Skip, Shape, Pen };

// What to do with each segment, in order.
void planDrawing(const std::vector<BeamSegment>& segments, std::vector<Drawing>& plan)
{
    plan.assign(segments.size(), Drawing::Skip);
    LaterSteps later;
    for (std::size_t i = segments.size(); i-- > 0;) {
        const BeamSegment& segment = segments[i];
        const std::optional<std::uint8_t> direction = stepDirection(segment);
        if (!direction) {
            plan[i] = Drawing::Pen;
        } else if (isSeenCell(segment.fromColumn) && isSeenCell(segment.fromRow) &&
                   !later.comesLater(segment, *direction)) {
            plan[i] = Drawing::Shape;
        }
    }
}

} // namespace

void drawBeams(QImage& image, PixelWriter& writer, const std::vector<BeamSegment>& segments,
               int scale)
{
    thread_local std::vector<Drawing> plan;
    planDrawing(segments, plan);
    const BeamStepShapes& shapes = beamStepShapes(scale);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const BeamSegment& segment = segments[i];
        if (plan[i] == Drawing::Shape) {
            const QRgb colour = qColorOfLevelColour(segment.colour).rgb();
            writer.fillShape(shapes.steps[*stepDirection(segment)],
                             geometry::cellCentre(segment.fromColumn) * scale,
                             geometry::cellCentre(segment.fromRow) * scale, colour);
        } else if (plan[i] == Drawing::Pen) {
            QPainter painter(&image);
            BeamPainter(painter, scale).drawSegment(segment);
        }
    }
}

} // namespace prismora
