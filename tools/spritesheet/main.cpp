// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// spritesheet OUT.png: every sprite in eight directions, lit and dark, drawn by the board's code.
#include "core/palette.h"
#include "view/board_geometry.h"
#include "view/piece_drawing.h"
#include "view/sprite_set.h"

#include <QGuiApplication>
#include <QPainter>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace prismora;

// One row of the sheet: the record that shows a sprite (a piece or a cannon).
struct SheetRow {
    std::string label;
    std::optional<PieceKind> kind; // a piece of this kind, else a cannon
    std::int32_t cannonColor = 0;
    bool lit = false;
};

SheetRow pieceRow(PieceKind kind, bool lit = false)
{
    std::string label = std::string(PaletteRowNames[static_cast<std::size_t>(*rowOfKind(kind))]);
    if (isLampKind(kind)) {
        label += lit ? " (lit)" : " (dark)";
    }
    return {label, kind, 0, lit};
}

SheetRow cannonRow(std::int32_t color)
{
    return {std::string(PaletteRowNames[static_cast<std::size_t>(*rowOfCannonColour(color))]),
            std::nullopt, color, false};
}

// Rows in sprite index order 0..20, then a record without a sprite.
std::vector<SheetRow> sheetRows()
{
    using K = PieceKind;
    std::vector<SheetRow> rows{
        cannonRow(RedBeam),           cannonRow(BlueBeam),        cannonRow(GreenBeam),
        pieceRow(K::Mirror),          pieceRow(K::DoubleMirror),  pieceRow(K::RedLamp),
        pieceRow(K::BlueLamp),        pieceRow(K::GreenLamp),     pieceRow(K::Cross),
        pieceRow(K::Obstacle),        pieceRow(K::TCoupling),     pieceRow(K::TCoupling2),
        pieceRow(K::Inverter),        pieceRow(K::RedLamp, true), pieceRow(K::BlueLamp, true),
        pieceRow(K::GreenLamp, true), pieceRow(K::YCoupling),     pieceRow(K::Bomb),
        pieceRow(K::OneWay),          pieceRow(K::WhiteLamp),     pieceRow(K::WhiteLamp, true),
    };
    rows.push_back({"no sprite (kind 200)", static_cast<PieceKind>(200), 0, false});
    return rows;
}

constexpr int LabelWidth = 210;
constexpr int HeaderHeight = 24;

// One board cell with its grid lines, and the record drawn in it as on the board.
void drawCell(QPainter& painter, const SheetRow& row, std::uint8_t direction,
              const BitmapList& sprites)
{
    painter.fillRect(0, 0, geometry::CellSize + 1, geometry::CellSize + 1,
                     QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, geometry::CellSize, geometry::CellSize);
    if (row.kind) {
        drawPiece(painter, Piece{*row.kind, 1, 1, direction, -1, false}, row.lit, sprites);
    } else {
        drawCannon(painter, BeamSource{-1, 1, 1, direction, row.cannonColor, false}, sprites);
    }
}

QImage drawSheet(const BitmapList& sprites)
{
    const std::vector<SheetRow> rows = sheetRows();
    QImage sheet(LabelWidth + 8 * geometry::CellSize + 1,
                 HeaderHeight + static_cast<int>(rows.size()) * geometry::CellSize + 1,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    for (int d = 0; d < 8; ++d) {
        painter.drawText(
            QRect(LabelWidth + d * geometry::CellSize, 0, geometry::CellSize, HeaderHeight),
            Qt::AlignCenter, QStringLiteral("dir %1").arg(d));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = HeaderHeight + static_cast<int>(r) * geometry::CellSize;
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(4, top, LabelWidth - 8, geometry::CellSize), Qt::AlignVCenter | Qt::AlignLeft,
            QStringLiteral("%1  %2").arg(r, 2).arg(QString::fromStdString(rows[r].label)));
        for (int d = 0; d < 8; ++d) {
            painter.save();
            painter.translate(LabelWidth + d * geometry::CellSize, top);
            drawCell(painter, rows[r], static_cast<std::uint8_t>(d), sprites);
            painter.restore();
        }
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: spritesheet OUT.png\n";
        return 2;
    }
    const QImage sheet = drawSheet(prismora::standardSprites());
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "spritesheet: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
