// The board control: a fixed 451 x 451 widget that paints the board and reports the pointer.
#pragma once

#include "core/board.h"
#include "core/outcome.h"
#include "graphics/bitmap_list.h"

#include <QMetaType>
#include <QWidget>

Q_DECLARE_METATYPE(prismora::VerdictResult)

namespace prismora {

// Paints `board` with PaintBox1Paint on every paint event and forwards mouse
// input as signals; it never changes the board itself except through the
// paint cycle. The board and the sprites must outlive the widget.
class BoardWidget : public QWidget {
    Q_OBJECT

public:
    BoardWidget(Board& board, const BitmapList& sprites, QWidget* parent = nullptr);

signals:
    // After every paint that painted (PaintEnabled set, no error), with the
    // verdict of that paint. A Bomb verdict asks the receiver to reload the
    // level (after this paint has ended) and then show the bomb text.
    void painted(const prismora::VerdictResult& verdict);

    void boardMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    // doubleClick is true for the second press of a double click.
    void boardMousePress(Qt::MouseButton button, Qt::MouseButtons buttons,
                         Qt::KeyboardModifiers modifiers, QPoint pos, bool doubleClick);
    void boardMouseRelease(Qt::MouseButton button, Qt::MouseButtons buttons,
                           Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Board& m_board;
    const BitmapList& m_sprites;
};

} // namespace prismora
