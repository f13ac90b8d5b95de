// The solver's set of visited positions: fixed-width keys in one open-addressing table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace prismora {

// A position's key: up to eight placements of three bytes each, exactly; more
// than eight are folded into three independent hashes. A key is never all
// zero bits, which marks a free slot.
using PositionKey = std::array<std::uint64_t, 3>;

class VisitedSet {
public:
    // The table never grows past what `maxBytes` allows.
    explicit VisitedSet(std::size_t maxBytes);

    enum class Insert { Added, AlreadyThere, Full };
    Insert insert(const PositionKey& key);

    std::size_t size() const { return m_size; }
    std::size_t bytes() const { return m_slots.size() * sizeof(PositionKey); }

private:
    bool grow();
    static std::size_t slotOf(const PositionKey& key, std::size_t mask);

    std::vector<PositionKey> m_slots;
    std::size_t m_size = 0;
    std::size_t m_maxSlots;
};

} // namespace prismora
