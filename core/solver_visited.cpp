// Open addressing with linear probing; the table doubles at 70 % load.
#include "core/solver_visited.h"

namespace prismora {
namespace {

constexpr std::size_t FirstSlots = std::size_t(1) << 12;

std::uint64_t mix(std::uint64_t value)
{
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    return value ^ (value >> 33);
}

bool isFree(const PositionKey& key) { return key[0] == 0 && key[1] == 0 && key[2] == 0; }

} // namespace

VisitedSet::VisitedSet(std::size_t maxBytes)
    : m_slots(FirstSlots), m_maxSlots(std::max(FirstSlots, maxBytes / sizeof(PositionKey)))
{
}

std::size_t VisitedSet::slotOf(const PositionKey& key, std::size_t mask)
{
    return static_cast<std::size_t>(mix(key[0] ^ mix(key[1] ^ mix(key[2])))) & mask;
}

VisitedSet::Insert VisitedSet::insert(const PositionKey& key)
{
    if ((m_size + 1) * 10 > m_slots.size() * 7 && !grow()) {
        return Insert::Full;
    }
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
        PositionKey& here = m_slots[slot];
        if (isFree(here)) {
            here = key;
            ++m_size;
            return Insert::Added;
        }
        if (here == key) {
            return Insert::AlreadyThere;
        }
    }
}

bool VisitedSet::grow()
{
    // The old and the new table live side by side while the keys move.
    const std::size_t slots = m_slots.size() * 2;
    if (slots + m_slots.size() > m_maxSlots) {
        return false;
    }
    std::vector<PositionKey> old(slots);
    old.swap(m_slots);
    const std::size_t mask = slots - 1;
    for (const PositionKey& key : old) {
        if (isFree(key)) {
            continue;
        }
        std::size_t slot = slotOf(key, mask);
        while (!isFree(m_slots[slot])) {
            slot = (slot + 1) & mask;
        }
        m_slots[slot] = key;
    }
    return true;
}

} // namespace prismora
