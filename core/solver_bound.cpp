// Flooding a branch's beams layer by layer, one layer per piece, to see which lamps they may reach.
#include "core/solver_bound.h"

#include "core/solver_common.h"

namespace prismora {
namespace {

std::uint32_t arrivalBit(std::uint8_t direction, ColourSlot slot)
{
    return 1u << arrivalIndex(direction, slot);
}

// The beams a piece sends on from one arrival: the beam itself unless it
// ends, and its output's beam, in every colour when the output keeps its own.
std::uint32_t leavingBeams(PieceKind kind, std::uint8_t direction, int arrival, bool hasOutput)
{
    const auto arriving = static_cast<std::uint8_t>(arrival / ColourSlots);
    const auto slot = static_cast<ColourSlot>(arrival % ColourSlots);
    const BeamAction action = beamActions(kind, direction)[arriving];
    std::uint32_t beams = 0;
    if ((action & Passes) != 0) {
        beams |= arrivalBit(action & LeavingDirection, slot);
    }
    if ((action & Feeds) != 0 && hasOutput) {
        const OutputFeed fed = fedBeam(kind, direction, arriving, colourOfSlot(slot));
        beams |= fed.colour ? arrivalBit(fed.direction, slotOf(*fed.colour))
                            : 0xFu << (fed.direction * ColourSlots);
    }
    return beams;
}

template <typename Visit> void forEachBit(std::uint32_t bits, Visit visit)
{
    while (bits != 0) {
        visit(__builtin_ctz(bits));
        bits &= bits - 1;
    }
}

std::int16_t cellAfter(std::int64_t column, std::int64_t row)
{
    return isInLookupArea(column, row) ? static_cast<std::int16_t>(lookupIndex(column, row))
                                       : std::int16_t{-1};
}

// Cells whose new arrivals still have to be looked at, each queued once.
class CellQueue {
public:
    void push(std::size_t cell)
    {
        if (!m_isQueued.test(cell)) {
            m_isQueued.set(cell);
            m_cells[m_count++] = static_cast<std::int16_t>(cell);
        }
    }
    bool isEmpty() const { return m_count == 0; }
    std::size_t pop()
    {
        const auto cell = static_cast<std::size_t>(m_cells[--m_count]);
        m_isQueued.reset(cell);
        return cell;
    }

private:
    std::array<std::int16_t, LookupCellCount> m_cells{};
    int m_count = 0;
    std::bitset<LookupCellCount> m_isQueued;
};

} // namespace

LampBound::LampBound(const Level& base, const Occupancy& occupancy)
{
    for (std::size_t cell = 0; cell < LookupCellCount; ++cell) {
        const auto column = static_cast<std::int64_t>(cell % LookupCells);
        const auto row = static_cast<std::int64_t>(cell / LookupCells);
        const bool isBoard = isBoardCell(column, row);
        m_boardIndex[cell] = isBoard ? static_cast<std::int16_t>(boardIndex(column, row)) : -1;
        for (std::uint8_t d = 0; d < 8; ++d) {
            m_next[cell][d] = cellAfter(column + StepColumn[d], row + StepRow[d]);
            m_previous[cell][d] = cellAfter(column - StepColumn[d], row - StepRow[d]);
        }
        const CellOccupant& occupant = occupancy.at(cell);
        if (occupant.piece >= 0) {
            const Piece& piece = base.pieces[static_cast<std::size_t>(occupant.piece)];
            m_kinds[cell] = CellKind::Fixed;
            for (int a = 0; a < 32; ++a) {
                const std::uint32_t beams =
                    leavingBeams(piece.kind, piece.direction, a, piece.output >= 0);
                m_fixedOut[cell][static_cast<std::size_t>(a)] = beams;
                forEachBit(beams, [&](int b) {
                    const int arriving = a / ColourSlots;
                    const int leaving = b / ColourSlots;
                    if (leaving == arriving) {
                        m_fixedPassesOn[cell] |= static_cast<std::uint8_t>(1u << arriving);
                    } else {
                        m_fixedTurnsFrom[cell] |= static_cast<std::uint8_t>(1u << arriving);
                        m_fixedTurnsInto[cell] |= static_cast<std::uint8_t>(1u << leaving);
                    }
                });
                forEachBit(beams,
                           [&](int b) { m_fixedIn[cell][static_cast<std::size_t>(b)] |= 1u << a; });
            }
        } else if (occupant.piece == SourceCell) {
            m_kinds[cell] = isBoard ? CellKind::FreeSource : CellKind::Stops;
        } else {
            m_kinds[cell] = isBoard ? CellKind::Free : CellKind::Straight;
        }
        if (m_kinds[cell] == CellKind::Free || m_kinds[cell] == CellKind::FreeSource) {
            m_freeCells.push_back(cell);
        }
    }
    for (int row = 0; row < PlayRowCount; ++row) {
        const PieceKind kind = *kindOfRow(row);
        for (std::uint8_t d = 0; d < 8; ++d) {
            for (int a = 0; a < 32; ++a) {
                const std::uint32_t beams = leavingBeams(kind, d, a, isSplittingKind(kind));
                m_pieceOut[static_cast<std::size_t>(row)][d][static_cast<std::size_t>(a)] = beams;
                forEachBit(beams, [&](int b) {
                    m_pieceIn[static_cast<std::size_t>(row)][d][static_cast<std::size_t>(b)] |=
                        1u << a;
                });
                for (std::size_t hand = 0; hand < m_anyPieceOut.size(); ++hand) {
                    if ((hand >> row) & 1) {
                        m_anyPieceOut[hand][static_cast<std::size_t>(a)] |= beams;
                    }
                }
            }
        }
    }
    for (std::size_t hand = 0; hand < m_anyPieceIn.size(); ++hand) {
        for (int a = 0; a < 32; ++a) {
            forEachBit(m_anyPieceOut[hand][static_cast<std::size_t>(a)],
                       [&](int b) { m_anyPieceIn[hand][static_cast<std::size_t>(b)] |= 1u << a; });
        }
    }
    for (std::size_t i = 0; i < base.pieces.size(); ++i) {
        const Piece& piece = base.pieces[i];
        const std::uint8_t slots = piece.removed ? 0 : lampSlots(piece.kind);
        if (slots == 0) {
            continue;
        }
        const bool isInArea = isInLookupArea(piece.column, piece.row);
        const std::size_t cell = isInArea ? lookupIndex(piece.column, piece.row) : 0;
        m_lamps.push_back(
            {cell, slots, isInArea && occupancy.at(cell).piece == static_cast<std::int16_t>(i)});
    }
    m_cones.resize(m_lamps.size() * ColourSlots);
}

const WalkItem* LampBound::itemAt(const Branch& branch, std::size_t cell) const
{
    const std::int8_t decided = branch.decision[static_cast<std::size_t>(m_boardIndex[cell])];
    return decided >= 0 ? &branch.items[static_cast<std::size_t>(decided)] : nullptr;
}

// The beams that leave `cell` at no cost from `arrivals`: an undecided cell
// passes them as an empty one does.
std::uint32_t LampBound::leaving(const Branch& branch, std::size_t cell,
                                 std::uint32_t arrivals) const
{
    std::uint32_t beams = 0;
    switch (m_kinds[cell]) {
    case CellKind::Straight:
        return arrivals;
    case CellKind::Stops:
        return 0;
    case CellKind::Fixed:
        forEachBit(arrivals,
                   [&](int a) { beams |= m_fixedOut[cell][static_cast<std::size_t>(a)]; });
        return beams;
    case CellKind::Free:
    case CellKind::FreeSource:
        break;
    }
    const WalkItem* item = itemAt(branch, cell);
    if (item == nullptr) {
        return m_kinds[cell] == CellKind::Free ? arrivals : 0;
    }
    forEachBit(item->directions, [&](int d) {
        const Arrivals& out = m_pieceOut[item->row][static_cast<std::size_t>(d)];
        forEachBit(arrivals, [&](int a) { beams |= out[static_cast<std::size_t>(a)]; });
    });
    return beams;
}

// The arrivals at `cell` that send some beam of `beams` on at no cost.
std::uint32_t LampBound::arrivalsLeadingTo(const Branch& branch, std::size_t cell,
                                           std::uint32_t beams) const
{
    std::uint32_t arrivals = 0;
    switch (m_kinds[cell]) {
    case CellKind::Straight:
        return beams;
    case CellKind::Stops:
        return 0;
    case CellKind::Fixed:
        forEachBit(beams, [&](int b) { arrivals |= m_fixedIn[cell][static_cast<std::size_t>(b)]; });
        return arrivals;
    case CellKind::Free:
    case CellKind::FreeSource:
        break;
    }
    const WalkItem* item = itemAt(branch, cell);
    if (item == nullptr) {
        return m_kinds[cell] == CellKind::Free ? beams : 0;
    }
    forEachBit(item->directions, [&](int d) {
        const Arrivals& in = m_pieceIn[item->row][static_cast<std::size_t>(d)];
        forEachBit(beams, [&](int b) { arrivals |= in[static_cast<std::size_t>(b)]; });
    });
    return arrivals;
}

// The beams reached so far, per cell, flooded forward layer by layer.
class LampBound::Flood {
public:
    Flood(const LampBound& bound, const Arrivals& anyPiece) : m_bound(bound), m_anyPiece(anyPiece)
    {
    }

    void enter(std::int16_t cell, std::uint32_t arrivals)
    {
        if (cell < 0) {
            return;
        }
        std::uint32_t& here = m_reached[static_cast<std::size_t>(cell)];
        if ((arrivals & ~here) != 0) {
            here |= arrivals;
            m_queue.push(static_cast<std::size_t>(cell));
        }
    }

    // Sends beams leaving `cell` into its neighbours.
    void leave(std::size_t cell, std::uint32_t beams)
    {
        for (std::uint8_t d = 0; d < 8 && beams != 0; ++d, beams >>= ColourSlots) {
            if ((beams & 0xF) != 0) {
                enter(m_bound.m_next[cell][d], (beams & 0xF) << (d * ColourSlots));
            }
        }
    }

    // Follows every new arrival through what stands on its cell, at no cost.
    // A cell a piece was paid for sends every later arrival on as any piece
    // would, too: that piece may meet the beam it sent out again.
    void spread(const Branch& branch)
    {
        while (!m_queue.isEmpty()) {
            const std::size_t cell = m_queue.pop();
            const std::uint32_t fresh = m_reached[cell] & ~m_spread[cell];
            m_spread[cell] |= fresh;
            leave(cell, m_bound.leaving(branch, cell, fresh) |
                            (m_isPaid.test(cell) ? turnedFrom(fresh) : 0));
        }
    }

    // The beams any piece in hand may send out from `arrivals`.
    std::uint32_t turnedFrom(std::uint32_t arrivals) const
    {
        std::uint32_t beams = 0;
        forEachBit(arrivals, [&](int a) { beams |= m_anyPiece[static_cast<std::size_t>(a)]; });
        return beams;
    }

    std::uint32_t reachedAt(std::size_t cell) const { return m_reached[cell]; }
    bool isPaid(std::size_t cell) const { return m_isPaid.test(cell); }
    bool hasPaid() const { return m_isPaid.any(); }

    // One piece more: every new arrival at an undecided cell may leave as any
    // piece in hand sends it (all cells turn what reached them before this
    // turn, so no beam meets two new pieces in one layer). False when no beam
    // is sent anywhere new.
    bool turn(const Branch& branch)
    {
        std::array<std::uint32_t, LookupCellCount> sent{};
        for (const std::size_t cell : m_bound.m_freeCells) {
            const std::uint32_t fresh = m_reached[cell] & ~m_turned[cell];
            if (fresh == 0 ||
                branch.decision[static_cast<std::size_t>(m_bound.m_boardIndex[cell])] !=
                    Undecided) {
                continue;
            }
            m_turned[cell] |= fresh;
            m_isPaid.set(cell);
            sent[cell] = turnedFrom(fresh);
        }
        for (const std::size_t cell : m_bound.m_freeCells) {
            leave(cell, sent[cell]);
        }
        return !m_queue.isEmpty();
    }

    std::uint8_t slotsAt(std::size_t cell) const { return slotsOf(m_reached[cell]); }

private:
    const LampBound& m_bound;
    std::array<std::uint32_t, LookupCellCount> m_reached{};
    std::array<std::uint32_t, LookupCellCount> m_spread{};
    std::array<std::uint32_t, LookupCellCount> m_turned{};
    std::bitset<LookupCellCount> m_isPaid;
    CellQueue m_queue;
    const Arrivals& m_anyPiece;
};

// The beams that arrive at one cell in some of `arrivals` at no cost (the
// cell of a lamp, say, in one colour): for each cell, the beams leaving it
// that get there (bit direction * 4 + slot). A cell a piece was paid for in
// the flood acts as any piece in hand (`anyPieceIn`: the arrivals that some
// piece sends on as each beam). The cone stops growing as soon as some beam
// leaving `stopCell` gets there.
class LampBound::Cone {
public:
    Cone(const LampBound& bound, const Branch& branch, const Flood& flood,
         const Arrivals& anyPieceIn, std::size_t target, std::uint32_t arrivals,
         std::size_t stopCell = LookupCellCount)
    {
        m_arrivals[target] = arrivals;
        CellQueue queue;
        queue.push(target);
        std::array<std::uint32_t, LookupCellCount> done{};
        while (!queue.isEmpty() && (stopCell == LookupCellCount || m_leaving[stopCell] == 0)) {
            const std::size_t cell = queue.pop();
            const std::uint32_t fresh = m_arrivals[cell] & ~done[cell];
            done[cell] |= fresh;
            forEachBit(fresh, [&](int a) {
                const std::int16_t from = bound.m_previous[cell][static_cast<std::size_t>(a / 4)];
                if (from < 0 || (m_leaving[static_cast<std::size_t>(from)] & (1u << a)) != 0) {
                    return;
                }
                const auto at = static_cast<std::size_t>(from);
                if (m_leaving[at] == 0) {
                    m_cells[m_cellCount++] = static_cast<std::int16_t>(at);
                }
                m_leaving[at] |= 1u << a;
                std::uint32_t leading = bound.arrivalsLeadingTo(branch, at, m_leaving[at]);
                if (flood.isPaid(at)) {
                    forEachBit(m_leaving[at],
                               [&](int b) { leading |= anyPieceIn[static_cast<std::size_t>(b)]; });
                }
                if ((leading & ~m_arrivals[at]) != 0) {
                    m_arrivals[at] |= leading;
                    queue.push(at);
                }
            });
        }
    }

    std::uint32_t leaving(std::size_t cell) const { return m_leaving[cell]; }
    bool touches(std::size_t cell) const { return (m_arrivals[cell] | m_leaving[cell]) != 0; }

    // Calls `visit(cell, beams)` for every cell some beam of the cone leaves.
    template <typename Visit> bool any(Visit visit) const
    {
        for (int i = 0; i < m_cellCount; ++i) {
            const auto cell = static_cast<std::size_t>(m_cells[static_cast<std::size_t>(i)]);
            if (visit(cell, m_leaving[cell])) {
                return true;
            }
        }
        return false;
    }

private:
    std::array<std::uint32_t, LookupCellCount> m_arrivals{};
    std::array<std::uint32_t, LookupCellCount> m_leaving{};
    std::array<std::int16_t, LookupCellCount> m_cells{};
    int m_cellCount = 0;
};

struct LampBound::CachedCone {
    Cone cone;
    // The pieces the walk had put down on cells the cone touches.
    std::array<WalkItem, MaxSearchDepth> items{};
    int itemCount = 0;
};

LampBound::~LampBound() = default;

const LampBound::Cone& LampBound::lampCone(const Branch& branch, const Flood& flood,
                                           std::size_t hand, std::size_t lamp, int slot) const
{
    std::unique_ptr<CachedCone>& cached =
        m_cones[lamp * ColourSlots + static_cast<std::size_t>(slot)];
    const auto lookupOf = [](const WalkItem& item) {
        return lookupIndex(item.cell % BoardCells + 1, item.cell / BoardCells + 1);
    };
    if (cached && !flood.hasPaid()) {
        int matched = 0;
        bool isSame = true;
        for (int i = 0; i < branch.itemCount && isSame; ++i) {
            const WalkItem& item = branch.items[static_cast<std::size_t>(i)];
            if (!cached->cone.touches(lookupOf(item))) {
                continue;
            }
            isSame = false;
            for (int j = 0; j < cached->itemCount && !isSame; ++j) {
                const WalkItem& kept = cached->items[static_cast<std::size_t>(j)];
                isSame = kept.cell == item.cell && kept.row == item.row &&
                         kept.directions == item.directions;
            }
            ++matched;
        }
        if (isSame && matched == cached->itemCount) {
            return cached->cone;
        }
    }
    cached = std::make_unique<CachedCone>(CachedCone{
        Cone(*this, branch, flood, m_anyPieceIn[hand], m_lamps[lamp].cell, 0x11111111u << slot),
        {},
        0});
    if (flood.hasPaid()) {
        cached->itemCount = -1; // made with paid cells: never reused
        return cached->cone;
    }
    for (int i = 0; i < branch.itemCount; ++i) {
        const WalkItem& item = branch.items[static_cast<std::size_t>(i)];
        if (cached->cone.touches(lookupOf(item))) {
            cached->items[static_cast<std::size_t>(cached->itemCount++)] = item;
        }
    }
    return cached->cone;
}

// Whether the straight line from `cell` in `direction` (or back against it)
// meets, past cells that let beams through unchanged, something that can
// turn a beam off it (or onto it): a piece of the level, one the walk put
// down, or a cell a piece was paid for. A beam a piece sends out can only
// come back to it over two such lines.
bool LampBound::meetsTurner(const Branch& branch, const Flood& flood, std::size_t cell,
                            std::uint8_t direction, bool isForward) const
{
    const auto& steps = isForward ? m_next : m_previous;
    for (std::int16_t at = steps[cell][direction]; at >= 0 && static_cast<std::size_t>(at) != cell;
         at = steps[static_cast<std::size_t>(at)][direction]) {
        const auto here = static_cast<std::size_t>(at);
        switch (m_kinds[here]) {
        case CellKind::Straight:
            continue;
        case CellKind::Stops:
            return false;
        case CellKind::Fixed: {
            const std::uint8_t turns = isForward ? m_fixedTurnsFrom[here] : m_fixedTurnsInto[here];
            if (((turns >> direction) & 1) != 0) {
                return true;
            }
            if (((m_fixedPassesOn[here] >> direction) & 1) != 0) {
                continue;
            }
            return false;
        }
        case CellKind::Free:
        case CellKind::FreeSource:
            if (itemAt(branch, here) != nullptr || flood.isPaid(here)) {
                return true;
            }
            if (m_kinds[here] == CellKind::FreeSource) {
                return false;
            }
            continue;
        }
    }
    return false;
}

// Whether the last piece, on `cell`, may send into the cone (`coneBeams`
// leave the cell there) a beam of its own that came back to it: the first
// beams it sends out must come back to it in an arrival that some piece
// sends into the cone. A beam that comes back only after more returns is
// allowed without asking more.
bool LampBound::isLitByReturn(const Branch& branch, const Flood& flood, std::size_t hand,
                              std::size_t cell, std::uint32_t coneBeams) const
{
    // One piece turned one way: the beams it sends out first, and the
    // arrivals it would send into the cone, which must come back.
    const std::uint32_t arrivals = flood.reachedAt(cell);
    std::uint32_t beams = 0;
    std::uint32_t wanted = 0;
    for (std::size_t row = 0; row < PlayRowCount; ++row) {
        if (((hand >> row) & 1) == 0) {
            continue;
        }
        for (std::size_t d = 0; d < 8; ++d) {
            std::uint32_t sent = 0;
            std::uint32_t sending = 0;
            forEachBit(arrivals,
                       [&](int a) { sent |= m_pieceOut[row][d][static_cast<std::size_t>(a)]; });
            forEachBit(coneBeams,
                       [&](int b) { sending |= m_pieceIn[row][d][static_cast<std::size_t>(b)]; });
            sending &= ~arrivals;
            if (sent != 0 && sending != 0) {
                beams |= sent;
                wanted |= sending;
            }
        }
    }
    const auto meetsAny = [&](std::uint32_t bits, bool isForward) {
        for (std::uint8_t d = 0; d < 8; ++d) {
            if (((bits >> (d * ColourSlots)) & 0xF) != 0 &&
                meetsTurner(branch, flood, cell, d, isForward)) {
                return true;
            }
        }
        return false;
    };
    if (wanted == 0 || !meetsAny(beams, true) || !meetsAny(wanted, false)) {
        return false;
    }
    const Cone back(*this, branch, flood, m_anyPieceIn[hand], cell, wanted, cell);
    return back.leaving(cell) != 0;
}

bool LampBound::isReachable(Branch& branch, int pieces) const
{
    if (pieces == 1 && branch.lastPiece != LastPiece::Unknown) {
        return branch.lastPiece == LastPiece::NotNeeded || branch.lastPieceCells.any();
    }
    std::array<std::uint8_t, Level::MaxPieces> needs{};
    bool isNeeded = false;
    for (std::size_t i = 0; i < m_lamps.size() && i < needs.size(); ++i) {
        const Lamp& lamp = m_lamps[i];
        needs[i] = static_cast<std::uint8_t>(lamp.slots & ~slotsOf(branch.entered[lamp.cell]));
        if (needs[i] != 0 && !lamp.canLight) {
            return false;
        }
        isNeeded = isNeeded || needs[i] != 0;
    }
    if (!isNeeded) {
        branch.lastPiece = pieces == 1 ? LastPiece::NotNeeded : LastPiece::Unknown;
        return true;
    }
    std::size_t hand = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        hand |= branch.left[static_cast<std::size_t>(row)] > 0 ? std::size_t(1) << row : 0;
    }
    Flood flood(*this, m_anyPieceOut[hand]);
    for (int i = 0; i < branch.pendingCount; ++i) {
        const Walker& walker = branch.pending[static_cast<std::size_t>(i)];
        // A source may stand just outside the lookup area; its first step is inside.
        const std::int64_t column =
            walker.column + (walker.isInCell ? 0 : StepColumn[walker.direction]);
        const std::int64_t row = walker.row + (walker.isInCell ? 0 : StepRow[walker.direction]);
        flood.enter(cellAfter(column, row), arrivalBit(walker.direction, walker.slot));
    }
    flood.spread(branch);
    for (int layer = 1; layer < pieces && flood.turn(branch); ++layer) {
        flood.spread(branch);
    }
    // The lamp colours still missing, the one that stopped the last branch
    // first. Asking about fewer of them only weakens the bound.
    Missing missing;
    for (std::size_t i = 0; i < m_lamps.size() && i < needs.size(); ++i) {
        const auto lacking = static_cast<std::uint8_t>(needs[i] & ~flood.slotsAt(m_lamps[i].cell));
        forEachBit(lacking, [&](int slot) {
            if (missing.count == static_cast<int>(missing.colours.size())) {
                return;
            }
            auto& last = missing.colours[static_cast<std::size_t>(missing.count++)];
            last = {i, slot};
            if (i == m_lastMissedLamp && slot == m_lastMissedSlot) {
                std::swap(missing.colours.front(), last);
            }
        });
    }
    if (missing.count == 0) {
        branch.lastPiece = pieces == 1 ? LastPiece::NotNeeded : LastPiece::Unknown;
        return true;
    }
    return pieces > 0 && isLitByLastPiece(branch, flood, hand, pieces == 1, missing);
}

// What is still missing must come from one more piece, on an undecided cell
// the beams reach, into each lamp's cone (the piece may also meet beams it
// sent out that come back to it, which takes longer to see, so it is asked
// last). When it is the only piece left, one cell must serve every lamp.
bool LampBound::isLitByLastPiece(Branch& branch, const Flood& flood, std::size_t hand,
                                 bool isOnlyPiece, const Missing& missing) const
{
    using Cells = std::bitset<LookupCellCount>;
    Cells candidates;
    for (const std::size_t cell : m_freeCells) {
        candidates[cell] =
            branch.decision[static_cast<std::size_t>(m_boardIndex[cell])] == Undecided &&
            flood.reachedAt(cell) != 0;
    }
    // Per missing colour: its cone, and the cells that serve it only by a
    // returning beam.
    std::array<std::pair<const Cone*, Cells>, MaxMissing> byReturn{};
    for (std::size_t m = 0; m < static_cast<std::size_t>(missing.count); ++m) {
        const auto& [lamp, slot] = missing.colours[m];
        const Cone& cone = lampCone(branch, flood, hand, lamp, slot);
        Cells direct;
        auto& [coneOf, returning] = byReturn[m];
        coneOf = &cone;
        cone.any([&](std::size_t cell, std::uint32_t beams) {
            if (candidates[cell]) {
                const bool isDirect = (flood.turnedFrom(flood.reachedAt(cell)) & beams) != 0;
                direct[cell] = isDirect;
                returning[cell] = !isDirect;
            }
            return false;
        });
        if (!isOnlyPiece && direct.any()) {
            continue;
        }
        if (!isOnlyPiece) {
            bool isServed = false;
            for (std::size_t cell = 0; cell < LookupCellCount && !isServed; ++cell) {
                isServed =
                    returning[cell] && isLitByReturn(branch, flood, hand, cell, cone.leaving(cell));
            }
            if (isServed) {
                continue;
            }
        } else if ((candidates &= direct | returning).any()) {
            continue;
        }
        m_lastMissedLamp = lamp;
        m_lastMissedSlot = slot;
        return false;
    }
    if (!isOnlyPiece) {
        return true;
    }
    for (std::size_t cell = 0; cell < LookupCellCount; ++cell) {
        bool isServing = candidates[cell];
        for (std::size_t m = 0; m < static_cast<std::size_t>(missing.count) && isServing; ++m) {
            const auto& [cone, returning] = byReturn[m];
            isServing =
                !returning[cell] || isLitByReturn(branch, flood, hand, cell, cone->leaving(cell));
        }
        candidates[cell] = isServing;
    }
    branch.lastPiece = LastPiece::OnCells;
    branch.lastPieceCells = candidates;
    return candidates.any();
}

} // namespace prismora
