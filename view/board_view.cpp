// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board control: paints the board picture through paintBoard and forwards the pointer.
#include "view/board_view.h"

#include "view/board_accessible.h"
#include "view/board_geometry.h"
#include "view/board_painter.h"
#include "view/piece_tooltips.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace prismora {

BoardView::BoardView(const BitmapList& sprites, QWidget* parent)
    : QWidget(parent), m_sprites(sprites)
{
    setFixedSize(geometry::BoardPixels, geometry::BoardPixels);
    setMouseTracking(true);
    // Every paint covers the whole box, except while painting is off, when
    // the parent's background shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Tab or a click gives the board the keys.
    setFocusPolicy(Qt::StrongFocus);
    setUpEffects();
    installBoardAccessibility();
}

void BoardView::showLevel(const Level* level, const Evaluation* evaluation)
{
    m_level = level;
    m_evaluation = evaluation;
    update();
    announceChangedCells(*this);
}

void BoardView::showInvitation(const QString& text)
{
    if (text != m_invitation) {
        m_invitation = text;
        update();
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardView::setPaintingEnabled(bool enabled)
{
    m_paintingEnabled = enabled;
    update();
}

void BoardView::setKeyboardCursor(Cell cell, CursorLook look)
{
    if (cell.column != m_cursorCell.column || cell.row != m_cursorCell.row ||
        look != m_cursorLook) {
        const bool isMoved = cell.column != m_cursorCell.column || cell.row != m_cursorCell.row;
        m_cursorCell = cell;
        m_cursorLook = look;
        update();
        if (isMoved) {
            announceKeyboardCell(*this);
        }
    }
}

void BoardView::showKeyboardFrame()
{
    if (!m_isFrameShown) {
        m_isFrameShown = true;
        update();
    }
}

void BoardView::setColourAid(ColourAid aid)
{
    if (aid != m_colourAid) {
        m_colourAid = aid;
        update();
    }
}

void BoardView::showGhostLayer(GhostLayer layer)
{
    m_ghostLayer = std::move(layer);
    update();
}

void BoardView::showHintMark(std::optional<HintMark> mark)
{
    if (mark != m_hintMark) {
        m_hintMark = std::move(mark);
        update();
    }
}

bool BoardView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const PointerCell cell = geometry::pointerCellAt(help->pos().x(), help->pos().y());
    const QString text =
        m_level == nullptr ? QString() : boardToolTip(*m_level, cell.column, cell.row);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void BoardView::paintEvent(QPaintEvent*)
{
    if (!m_paintingEnabled) {
        return;
    }
    const int scale = boardScaleFor(devicePixelRatioF());
    const int side = geometry::BoardPixels * scale;
    if (m_picture.width() != side) {
        m_picture = QImage(side, side, QImage::Format_RGB32);
    }
    m_picture.setDevicePixelRatio(1);
    const ShownBoard board = boardToPaint();
    paintBoard(m_picture, scale, board.level, board.evaluation, m_sprites, m_colourAid);
    // Laid one to one on the device's pixels; a ratio that is not whole
    // enlarges the rest without smoothing.
    m_picture.setDevicePixelRatio(scale);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), m_picture);
    if (!m_ghostLayer.isEmpty()) {
        paintGhostLayer(painter, m_ghostLayer, m_sprites);
    }
    paintEffectsOver(painter);
    if (m_hintMark) {
        paintHintMark(painter, *m_hintMark, m_sprites);
    }
    if (!m_invitation.isEmpty()) {
        paintInvitation(painter);
    }
    if (hasFocus() && m_isFrameShown) {
        paintCursorFrame(painter, m_cursorCell, m_cursorLook);
    }
}

void BoardView::paintInvitation(QPainter& painter) const
{
    QFont font = this->font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    constexpr int Margin = 40;
    painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin),
                     Qt::AlignCenter | Qt::TextWordWrap, m_invitation);
}

namespace {

PointerCell cellOf(const QMouseEvent& event)
{
    const QPoint pos = event.position().toPoint();
    return geometry::pointerCellAt(pos.x(), pos.y());
}

} // namespace

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(cellOf(*event), event->buttons(), event->modifiers());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    // The mouse is in use: the keyboard's frame waits for a key.
    if (m_isFrameShown) {
        m_isFrameShown = false;
        update();
    }
    setFocus(Qt::MouseFocusReason);
    emit pointerPressed(cellOf(*event), event->button(), event->buttons(), event->modifiers(),
                        false);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit pointerPressed(cellOf(*event), event->button(), event->buttons(), event->modifiers(),
                        true);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    emit pointerReleased(cellOf(*event), event->button());
}

void BoardView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit pointerLeft();
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        m_isFrameShown = true;
    }
    update();
    announceKeyboardCell(*this);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace prismora
