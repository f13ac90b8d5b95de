// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Combines source pixels into destination pixels by a bitmap's draw mode.
#pragma once

#include "graphics/bitmap32.h"

namespace prismora {

// The effective mode of one drawing operation, read from the source bitmap:
// DrawMode::Custom without a handler counts as DrawMode::Opaque.
class PixelCombiner {
public:
    explicit PixelCombiner(const Bitmap32& source)
        : m_mode(source.drawMode()), m_master(source.masterAlpha()),
          m_handler(source.pixelCombineHandler() ? &source.pixelCombineHandler() : nullptr)
    {
        if (m_mode == DrawMode::Custom && !m_handler) {
            m_mode = DrawMode::Opaque;
        }
    }

    DrawMode mode() const { return m_mode; }
    // DrawMode::Blend with master alpha 0 draws nothing.
    bool drawsNothing() const { return m_mode == DrawMode::Blend && m_master == 0; }

    void combine(Color32 f, Color32& b) const
    {
        switch (m_mode) {
        case DrawMode::Opaque:
            b = f;
            break;
        case DrawMode::Blend:
            b = blendColor32(f, b, m_master);
            break;
        case DrawMode::Custom:
            (*m_handler)(f, b, m_master);
            break;
        }
    }

    void combineRow(const Color32* source, Color32* destination, int count) const;

private:
    DrawMode m_mode;
    std::uint8_t m_master;
    const PixelCombineHandler* m_handler;
};

} // namespace prismora
