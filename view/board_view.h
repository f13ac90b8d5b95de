// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board control: a fixed 451 x 451 widget that paints a level and reports the pointer.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "core/pointer_cell.h"
#include "graphics/bitmap_list.h"
#include "view/board_effects.h"
#include "view/colour_aid.h"
#include "view/cursor_frame.h"
#include "view/ghost_layer.h"
#include "view/hint_mark.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QPainter;

namespace prismora {

// The board's animations ("Animationer"): on, or the plain board always.
enum class Animations { Off, On };

// Paints the level it is shown with (paintBoard) into its board picture, at
// the screen's whole device pixel ratio, on every paint event, lays the
// picture on the widget, and reports pointer input in cells as signals; it
// never changes the game. What it shows must outlive it or the next
// showLevel. Tab or a click gives it the keyboard focus; the keyboard's cell
// is framed over the board while it has the focus and the keys are in use
// (after Tab, or once a key acted on the board), so mouse play looks as it
// always did. A hint's mark is drawn over everything, and the tooltip of a
// piece or cannon says what it does. To a screen reader the board is a table
// of 81 named cells whose focused one is the keyboard's (board_accessible.h).
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(const BitmapList& sprites, QWidget* parent = nullptr);

    // Shows `level` judged by `evaluation` from the next paint on; null for an
    // empty board.
    void showLevel(const Level* level, const Evaluation* evaluation);

    // While painting is off (a save dialog is open) nothing is drawn and the
    // parent's background shows through.
    void setPaintingEnabled(bool enabled);

    // The keyboard's cell and whether the keys carry a record there.
    void setKeyboardCursor(Cell cell, CursorLook look);
    // A key acted on the board: its frame shows from now on, until a click.
    void showKeyboardFrame();

    // Text shown in large letters over the board (the empty board's
    // invitation to choose a level); empty for none.
    void showInvitation(const QString& text);
    const QString& invitation() const { return m_invitation; }

    // What it shows, for its accessible table: null for an empty board.
    const Level* level() const { return m_level; }
    const Evaluation* evaluation() const { return m_evaluation; }
    Cell keyboardCell() const { return m_cursorCell; }

    // Draws the board with the colour-blind aid or without it.
    void setColourAid(ColourAid aid);
    ColourAid colourAid() const { return m_colourAid; }

    // The hint shown over the board; nothing for none.
    void showHintMark(std::optional<HintMark> mark);
    const std::optional<HintMark>& hintMark() const { return m_hintMark; }

    // Animations (board_view_effects.cpp). Effects are drawn over the board
    // as functions of the time since they began, driven by one timer that
    // runs only while one is live; once none is, the board is painted
    // plainly again. A bomb flash shows its position instead of the board.
    void setAnimations(Animations animations);
    Animations animations() const { return m_animations; }
    // Starts `effect` now; nothing while animations are off.
    void startEffect(BoardEffect effect);
    void stopEffects(EffectKind kind);
    bool isAnimating() const { return !m_effects.isEmpty(); }
    bool hasEffect(EffectKind kind) const { return m_effects.has(kind); }
    // The clock effects are timed by, in milliseconds; tests set their own
    // and call advanceEffects instead of waiting for the timer.
    void setEffectClock(std::function<std::int64_t()> clock);
    void advanceEffects();
    // The workbench's ghosts and frames, under the hint's mark; empty for none.
    void showGhostLayer(GhostLayer layer);
    const GhostLayer& ghostLayer() const { return m_ghostLayer; }

signals:
    void pointerMoved(PointerCell cell, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // doubleClick is true for the second press of a double click.
    void pointerPressed(PointerCell cell, Qt::MouseButton button, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers, bool doubleClick);
    void pointerReleased(PointerCell cell, Qt::MouseButton button);
    void pointerLeft();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintInvitation(QPainter& painter) const;

    const BitmapList& m_sprites;
    const Level* m_level = nullptr;
    const Evaluation* m_evaluation = nullptr;
    bool m_paintingEnabled = true;
    Cell m_cursorCell{1, 1};
    CursorLook m_cursorLook = CursorLook::Free;
    bool m_isFrameShown = false;
    ColourAid m_colourAid = ColourAid::Off;
    std::optional<HintMark> m_hintMark;
    GhostLayer m_ghostLayer;
    QString m_invitation;
    QImage m_picture; // the board in device pixels, kept between paints

    struct ShownBoard {
        const Level& level;
        const Evaluation& evaluation;
    };
    // The level shown, or the position a bomb's flash shows instead.
    ShownBoard boardToPaint() const;
    void setUpEffects();
    void paintEffectsOver(QPainter& painter);
    Animations m_animations = Animations::On;
    BoardEffects m_effects;
    QTimer m_effectTimer;
    std::function<std::int64_t()> m_effectClock;
};

} // namespace prismora
