// spritesheet OUT.png: every sprite in all eight directions, lit and dark, drawn by the board's own
// code.
#include "core/palette.h"
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

SheetRow PieceRow(PieceKind kind, bool lit = false)
{
    std::string label = std::string(PieceNames[static_cast<std::size_t>(*KindToRow(kind))]);
    if (IsLampKind(kind)) {
        label += lit ? " (lit)" : " (dark)";
    }
    return {label, kind, 0, lit};
}

SheetRow CannonRow(std::int32_t color)
{
    return {std::string(PieceNames[static_cast<std::size_t>(*CannonColorToRow(color))]),
            std::nullopt, color, false};
}

// Rows in sprite index order 0..20, then a record without a sprite.
std::vector<SheetRow> SheetRows()
{
    using K = PieceKind;
    std::vector<SheetRow> rows{
        CannonRow(RedBeam),           CannonRow(BlueBeam),        CannonRow(GreenBeam),
        PieceRow(K::Mirror),          PieceRow(K::DoubleMirror),  PieceRow(K::RedLamp),
        PieceRow(K::BlueLamp),        PieceRow(K::GreenLamp),     PieceRow(K::Cross),
        PieceRow(K::Obstacle),        PieceRow(K::TCoupling),     PieceRow(K::TCoupling2),
        PieceRow(K::Inverter),        PieceRow(K::RedLamp, true), PieceRow(K::BlueLamp, true),
        PieceRow(K::GreenLamp, true), PieceRow(K::YCoupling),     PieceRow(K::Bomb),
        PieceRow(K::OneWay),          PieceRow(K::WhiteLamp),     PieceRow(K::WhiteLamp, true),
    };
    rows.push_back({"no sprite (kind 200)", static_cast<PieceKind>(200), 0, false});
    return rows;
}

constexpr int LabelWidth = 210;
constexpr int HeaderHeight = 24;

// One board cell with its grid lines, and the record drawn in it as on the board.
void DrawCell(QPainter& painter, const SheetRow& row, std::uint8_t direction,
              const BitmapList& sprites)
{
    painter.fillRect(0, 0, CellSize + 1, CellSize + 1, QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, CellSize, CellSize);
    Board board;
    if (row.kind) {
        const int index = *board.AppendPiece(*row.kind, 1, 1, direction);
        board.Pieces[static_cast<std::size_t>(index)].Lit = row.lit;
        DrawPiece(painter, board, index, sprites);
    } else {
        DrawCannon(painter, board, *board.AppendCannon(1, 1, direction, row.cannonColor), sprites);
    }
}

QImage DrawSheet(const BitmapList& sprites)
{
    const std::vector<SheetRow> rows = SheetRows();
    QImage sheet(LabelWidth + 8 * CellSize + 1,
                 HeaderHeight + static_cast<int>(rows.size()) * CellSize + 1, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    for (int d = 0; d < 8; ++d) {
        painter.drawText(QRect(LabelWidth + d * CellSize, 0, CellSize, HeaderHeight),
                         Qt::AlignCenter, QStringLiteral("dir %1").arg(d));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = HeaderHeight + static_cast<int>(r) * CellSize;
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(4, top, LabelWidth - 8, CellSize), Qt::AlignVCenter | Qt::AlignLeft,
            QStringLiteral("%1  %2").arg(r, 2).arg(QString::fromStdString(rows[r].label)));
        for (int d = 0; d < 8; ++d) {
            painter.save();
            painter.translate(LabelWidth + d * CellSize, top);
            DrawCell(painter, rows[r], static_cast<std::uint8_t>(d), sprites);
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
    const QImage sheet = DrawSheet(prismora::StandardSprites());
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "spritesheet: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
