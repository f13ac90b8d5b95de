// A lower bound for the beam walk: can the pieces left still bring every lamp the colours it lacks?
#pragma once

#include "core/solver_walk.h"

#include <memory>
#include <vector>

namespace prismora {

// Follows, from the beams a branch still has to follow, everything beams
// could do if every undecided cell could hold any piece in hand turned any
// way: a piece costs one, passing an undecided or empty cell nothing, and
// what stands on the board (pieces of the level, pieces the walk put down,
// with any direction of their group) acts as it does. A lamp that no such
// beam of a colour it lacks reaches within the pieces left cannot be lit on
// this branch. The bound relaxes the walk (a cell may count as empty for one
// beam and hold a piece for another, one piece may serve several lamps), so
// it never rejects a branch that leads to a solution.
//
// The beams are flooded forward, one layer per piece, but for the last
// piece: that layer is met from the lamp's side instead, by the beams that
// would reach the lamp at no cost from some undecided cell (its cone). The
// cone is a few lines into the lamp; the last forward layer would be most of
// the board.
class LampBound {
public:
    LampBound(const Level& base, const Occupancy& occupancy);
    ~LampBound();

    // False when some lamp cannot get a colour it lacks with at most
    // `pieces` more pieces from the hand `branch.left`. With one piece left
    // it also says where that piece could go (branch.lastPiece and
    // lastPieceCells): leaving a cell empty changes nothing else the bound
    // looks at, so the branch that leaves one empty keeps the answer less
    // that cell instead of asking again.
    bool isReachable(Branch& branch, int pieces) const;

private:
    struct Lamp {
        std::size_t cell;   // in the lookup area
        std::uint8_t slots; // colours it needs
        bool canLight;      // the lamp is what acts on its cell
    };
    enum class CellKind : std::uint8_t { Straight, Stops, Fixed, Free, FreeSource };
    using Arrivals = std::array<std::uint32_t, 32>;
    class Flood;

    class Cone;
    struct CachedCone;
    const Cone& lampCone(const Branch& branch, const Flood& flood, std::size_t hand,
                         std::size_t lamp, int slot) const;

    std::uint32_t leaving(const Branch& branch, std::size_t cell, std::uint32_t arrivals) const;
    std::uint32_t arrivalsLeadingTo(const Branch& branch, std::size_t cell,
                                    std::uint32_t beams) const;
    const WalkItem* itemAt(const Branch& branch, std::size_t cell) const;
    bool isLitByReturn(const Branch& branch, const Flood& flood, std::size_t hand, std::size_t cell,
                       std::uint32_t coneBeams) const;
    static constexpr std::size_t MaxMissing = 32;
    // Lamp colours no beam brings yet: lamp index and colour slot.
    struct Missing {
        std::array<std::pair<std::size_t, int>, MaxMissing> colours{};
        int count = 0;
    };
    bool isLitByLastPiece(Branch& branch, const Flood& flood, std::size_t hand, bool isOnlyPiece,
                          const Missing& missing) const;
    bool meetsTurner(const Branch& branch, const Flood& flood, std::size_t cell,
                     std::uint8_t direction, bool isForward) const;

    std::array<CellKind, LookupCellCount> m_kinds{};
    std::array<Arrivals, LookupCellCount> m_fixedOut{};
    std::array<Arrivals, LookupCellCount> m_fixedIn{}; // arrivals leading to each beam leaving
    // Per fixed piece, by direction: arrivals it sends on straight, arrivals
    // it sends elsewhere, and directions it sends such beams in.
    std::array<std::uint8_t, LookupCellCount> m_fixedPassesOn{};
    std::array<std::uint8_t, LookupCellCount> m_fixedTurnsFrom{};
    std::array<std::uint8_t, LookupCellCount> m_fixedTurnsInto{};
    // Per palette row and direction: beams leaving for each arrival, and back.
    std::array<std::array<Arrivals, 8>, PlayRowCount> m_pieceOut{};
    std::array<std::array<Arrivals, 8>, PlayRowCount> m_pieceIn{};
    // Per set of rows in hand (bit row): beams any of them may send out.
    std::array<Arrivals, 1 << PlayRowCount> m_anyPieceOut{};
    // And back: the arrivals any of them may send on as each beam.
    std::array<Arrivals, 1 << PlayRowCount> m_anyPieceIn{};
    std::array<std::array<std::int16_t, 8>, LookupCellCount> m_next{};
    std::array<std::array<std::int16_t, 8>, LookupCellCount> m_previous{};
    std::array<std::int16_t, LookupCellCount> m_boardIndex{};
    std::vector<std::size_t> m_freeCells;
    std::vector<Lamp> m_lamps;
    // Per lamp and colour slot: its cone as last made, reused while no piece
    // the walk put down on a cell it touches has changed (cells left empty do
    // not change it) and no cell was paid for.
    mutable std::vector<std::unique_ptr<CachedCone>> m_cones;
    // The lamp and colour that stopped the last branch: most branches near
    // it fail on the same, so it is looked at first.
    mutable std::size_t m_lastMissedLamp = 0;
    mutable int m_lastMissedSlot = 0;
};

} // namespace prismora
