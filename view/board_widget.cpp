// The board control: paints through the paint cycle and forwards the pointer.
#include "view/board_widget.h"

#include "view/board_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace prismora {

BoardWidget::BoardWidget(Board& board, const BitmapList& sprites, QWidget* parent)
    : QWidget(parent), m_board(board), m_sprites(sprites)
{
    qRegisterMetaType<prismora::VerdictResult>();
    setFixedSize(BoardPixels, BoardPixels);
    setMouseTracking(true);
    // Every paint covers the whole box, except while painting is disabled,
    // when the parent's background shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    std::optional<VerdictResult> verdict;
    {
        QPainter painter(this);
        verdict = PaintBox1Paint(painter, m_board, m_sprites);
    }
    if (verdict) {
        emit painted(*verdict);
    }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit boardMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    emit boardMousePress(event->button(), event->buttons(), event->modifiers(),
                         event->position().toPoint(), false);
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit boardMousePress(event->button(), event->buttons(), event->modifiers(),
                         event->position().toPoint(), true);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit boardMouseRelease(event->button(), event->buttons(), event->modifiers(),
                           event->position().toPoint());
}

} // namespace prismora
