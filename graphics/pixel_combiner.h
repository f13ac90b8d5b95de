// Combines source pixels into destination pixels by a bitmap's draw mode.
#pragma once

#include "graphics/bitmap32.h"

namespace prismora {

// The effective mode of one drawing operation, read from the source bitmap:
// dmCustom without a handler counts as dmOpaque.
class PixelCombiner {
public:
    explicit PixelCombiner(const TBitmap32& source)
        : m_mode(source.DrawMode()), m_master(source.MasterAlpha()),
          m_handler(source.OnPixelCombine ? &source.OnPixelCombine : nullptr)
    {
        if (m_mode == TDrawMode::dmCustom && !m_handler) {
            m_mode = TDrawMode::dmOpaque;
        }
    }

    TDrawMode Mode() const { return m_mode; }
    // dmBlend with master alpha 0 draws nothing.
    bool DrawsNothing() const { return m_mode == TDrawMode::dmBlend && m_master == 0; }

    void Combine(TColor32 f, TColor32& b) const
    {
        switch (m_mode) {
        case TDrawMode::dmOpaque:
            b = f;
            break;
        case TDrawMode::dmBlend:
            b = BlendColor32(f, b, m_master);
            break;
        case TDrawMode::dmCustom:
            (*m_handler)(f, b, m_master);
            break;
        }
    }

    void CombineRow(const TColor32* source, TColor32* destination, int count) const;

private:
    TDrawMode m_mode;
    std::uint8_t m_master;
    const TPixelCombineEvent* m_handler;
};

} // namespace prismora
