// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A cell's description for a screen reader, in the language loaded.
#include "view/cell_description.h"

#include "core/palette.h"
#include "core/piece_help.h"
#include "view/palette_list.h"
#include "view/translated_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace prismora {
namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("prismora::CellDescription", source);
}

QString colourName(std::int32_t colour) { return translated(colourText(colour)); }

// The lit state of a lamp, and for a white lamp the colours that reached it.
QString lampState(PieceKind kind, const PieceLight& light)
{
    QString state = light.lit ? text(QT_TRANSLATE_NOOP("prismora::CellDescription", "tänd"))
                              : text(QT_TRANSLATE_NOOP("prismora::CellDescription", "släckt"));
    if (kind == PieceKind::WhiteLamp && !light.lit) {
        QStringList colours;
        for (const auto& [hit, colour] :
             {std::pair{light.redHit, RedBeam}, std::pair{light.greenHit, GreenBeam},
              std::pair{light.blueHit, BlueBeam}}) {
            if (hit) {
                colours.append(colourName(colour));
            }
        }
        if (!colours.isEmpty()) {
            state += QStringLiteral(", ") +
                     text(QT_TRANSLATE_NOOP("prismora::CellDescription", "nås av %1"))
                         .arg(colours.join(QStringLiteral(", ")));
        }
    }
    return state;
}

bool facesAWay(PieceKind kind) { return isPlaceableKind(kind) || kind == PieceKind::OneWay; }

QString pieceWords(const Piece& piece, const PieceLight& light)
{
    const std::optional<int> row = rowOfKind(piece.kind);
    QString words = row ? paletteRowName(*row)
                        : text(QT_TRANSLATE_NOOP("prismora::CellDescription", "okänd pjäs"));
    if (isLampKind(piece.kind)) {
        words += QStringLiteral(", ") + lampState(piece.kind, light);
    } else if (facesAWay(piece.kind)) {
        words +=
            QStringLiteral(", ") + text(QT_TRANSLATE_NOOP("prismora::CellDescription", "vänd %1"))
                                       .arg(translated(towardsText(piece.direction)));
    }
    return words;
}

QString cannonWords(const BeamSource& cannon)
{
    const std::optional<int> row = rowOfCannonColour(cannon.colour);
    const QString name = row ? paletteRowName(*row)
                             : text(QT_TRANSLATE_NOOP("prismora::CellDescription", "Laserkanon"));
    return name + QStringLiteral(", ") +
           text(QT_TRANSLATE_NOOP("prismora::CellDescription", "skjuter %1"))
               .arg(translated(towardsText(cannon.direction)));
}

// Each colour of beam entering or leaving the cell, in the order first traced.
QStringList beamWords(const Evaluation& evaluation, Cell cell)
{
    std::vector<std::int32_t> colours;
    for (const BeamSegment& segment : evaluation.segments) {
        const bool touches = (segment.fromColumn == cell.column && segment.fromRow == cell.row) ||
                             (segment.toColumn == cell.column && segment.toRow == cell.row);
        if (touches && std::find(colours.begin(), colours.end(), segment.colour) == colours.end()) {
            colours.push_back(segment.colour);
        }
    }
    QStringList words;
    for (const std::int32_t colour : colours) {
        const QString name = colourName(colour);
        words.append(
            name.isEmpty()
                ? text(QT_TRANSLATE_NOOP("prismora::CellDescription", "stråle"))
                : text(QT_TRANSLATE_NOOP("prismora::CellDescription", "%1 stråle")).arg(name));
    }
    return words;
}

} // namespace

QString describeCell(const Level* level, const Evaluation* evaluation, Cell cell)
{
    QStringList parts;
    if (level != nullptr) {
        for (std::size_t i = level->pieces.size(); i-- > 0;) {
            const Piece& piece = level->pieces[i];
            if (!piece.removed && piece.column == cell.column && piece.row == cell.row) {
                const bool isJudged = evaluation != nullptr && i < evaluation->pieces.size();
                parts.append(pieceWords(piece, isJudged ? evaluation->pieces[i] : PieceLight{}));
            }
        }
        for (const BeamSource& source : level->sources) {
            if (source.isCannon() && !source.removed && source.column == cell.column &&
                source.row == cell.row) {
                parts.append(cannonWords(source));
            }
        }
    }
    if (evaluation != nullptr) {
        parts.append(beamWords(*evaluation, cell));
    }
    if (parts.isEmpty()) {
        parts.append(text(QT_TRANSLATE_NOOP("prismora::CellDescription", "tom")));
    }
    return text(QT_TRANSLATE_NOOP("prismora::CellDescription", "Kolumn %1, rad %2: %3"))
        .arg(QString::number(cell.column), QString::number(cell.row),
             parts.join(QStringLiteral("; ")));
}

} // namespace prismora
