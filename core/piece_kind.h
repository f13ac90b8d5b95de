// Piece kinds, directions and beam colours: the vocabulary of the board.
#pragma once

#include <cstdint>

namespace prismora {

// One byte on the board; a level file may hold any value, so code must accept
// numbers outside the named ones (they block beams and have no palette row).
enum class PieceKind : std::uint8_t {
    Mirror = 0,
    DoubleMirror = 1,
    TCoupling = 2,
    TCoupling2 = 3,
    Cross = 4,
    RedLamp = 5,
    GreenLamp = 6,
    BlueLamp = 7,
    OffBoard = 8,
    EmptyCell = 9,
    Obstacle = 10,
    Inverter = 11,
    YCoupling = 12,
    Bomb = 13,
    OneWay = 14,
    WhiteLamp = 15,
};

// Windows colour values (0x00BBGGRR) used for beams and cannons.
inline constexpr std::int32_t RedBeam = 255;
inline constexpr std::int32_t GreenBeam = 65280;
inline constexpr std::int32_t BlueBeam = 16711680;
inline constexpr std::int32_t WhiteBeam = 16777215;

// Kinds the player may place, move and turn in play.
bool IsPlaceableKind(PieceKind kind);
// Kinds that always stand on the board and cannot be touched in play.
bool IsFixedKind(PieceKind kind);
// Kinds that own an output emitter while they stand on the board.
bool IsSplittingKind(PieceKind kind);
// Lamps of any colour, white included.
bool IsLampKind(PieceKind kind);

// Directions are one byte in 45-degree steps counter-clockwise from east.
// Values above 7 (only from hand-edited files) are taken modulo 8 wherever a
// direction is used, so they never index past the step table.
struct Step {
    int dx;
    int dy;
};
Step StepOf(std::uint8_t direction);

// The direction one turn counter-clockwise (7 wraps to 0).
std::uint8_t TurnedLeft(std::uint8_t direction);
// The direction one turn clockwise (0 wraps to 7).
std::uint8_t TurnedRight(std::uint8_t direction);

} // namespace prismora
